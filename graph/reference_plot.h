// Stored values drawn over a graph: a saved curve compared with the one on screen.
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

constexpr int kReferenceColour = 15;  // dark grey

struct StoredCurve {
  const double* values_1;  // the upper (or only) frame's quantity, or the locus' real parts
  int count_1;
  const double* values_2;  // the lower frame's quantity, or the locus' imaginary parts
  int count_2;
};

// Draws the values as the kind's sweep would have stored them, against the frequencies of a
// sweep over `settings`: entry i at the i-th frequency, the locus as (re, im) pairs. Values a
// frame cannot show (not finite, or not positive on a logarithmic scale) break the line; the
// frames' clips cut what lies outside. The line is dashed, whatever the sweep's density. Kinds
// without a sweep draw nothing.
void draw_stored_curve(Context& g, int kind, const GraphSettings& settings,
                       const StoredCurve& curve);

}  // namespace tessaly::graph
