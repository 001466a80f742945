// The frequency marker: a vertical line through the frequency frames of the last graph, or a
// point on the locus of the chosen curve, in a colour that no curve uses.
#pragma once

#include "graph/context.h"

namespace tessaly {

constexpr int kMarkerColour = 13;  // dark cyan: the curves use 1 to 5, the saved curve 15

// Draws the marker at `frequency` for curve `curve` of the last pass (clamped to the curves
// known); nothing where the last pass drew no curve or the frequency lies outside its sweep.
void draw_frequency_marker(graph::Context& g, double frequency, int curve, int colour);

// The same with a name ("f1", "fo") at the top of the frame, `row` lines down (0, 1, 2) so that
// the names of close frequencies stay apart; on the locus beside the point.
void draw_named_marker(graph::Context& g, double frequency, int curve, int colour, const char* name,
                       int row);

}  // namespace tessaly
