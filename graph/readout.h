// What lies under the pointer: the curves of the last pass, evaluated again at the point of the
// graph that the pointer is over. The sweep records each curve as it draws it; reading them
// back runs the model without drawing anything.
#pragma once

#include <cstddef>

#include "graph/context.h"

namespace tessaly::graph {

// Called by the sweep for each curve, with the model inputs as they stand for that curve.
void record_swept_curve(Context& g, int kind, ModelFn model, const Components& components,
                        int circuit, const GraphSettings& settings, int colour, bool reciprocal);
// A new graph is being set up: the curves of the last one no longer lie under the pointer.
void forget_swept_curves(Context& g);

enum class ReadoutFrame { kNone, kMain, kUpper, kLower };

// The values the graph kinds plot; of the admittance where the curve is reciprocal.
enum class ReadoutValues {
  kImpedance,  // magnitude, phase [degrees]
  kParts,      // resistance, reactance
  kReactance,  // reactance alone
  kLocus,      // real and imaginary part
};

struct Readout {
  ReadoutFrame frame = ReadoutFrame::kNone;
  double frequency = 0.0;
  int curve = -1;  // index of the nearest recorded curve; -1 where none has a finite value
  int colour = 0;  // that curve's colour number
  ReadoutValues values = ReadoutValues::kImpedance;
  bool reciprocal = false;
  double first = 0.0;   // |Z|, |Y|, resistance, reactance or real part
  double second = 0.0;  // phase, reactance or imaginary part
};

// The read-out at a logical screen position; frame kNone outside every plot area of the last
// graph, or when that graph drew no curve.
Readout readout_at(const Context& g, double x, double y);

// The status text of a read-out: each quantity with its SI prefix and its unit, separated by
// ideographic spaces; empty outside the plot areas. Returns its length.
int format_readout(char* out, std::size_t capacity, const Readout& readout,
                   const text::Language& language);

}  // namespace tessaly::graph
