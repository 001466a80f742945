// The phasor diagram in a panel right of the 640 by 480 graph: the reference, the element
// phasors head to tail and their sum from the origin, all on one scale, with a list of names,
// magnitudes and the angle of the total.
#pragma once

#include "graph/context.h"
#include "programs/phasors.h"

namespace tessaly {

// The panel lies right of the graph; a window that shows it grows by this many logical units.
constexpr int kPhasorPanelLeft = 640;
constexpr int kPhasorPanelWidth = 240;

// Draws the panel for `phasors` at `frequency` of a curve drawn in `curve_colour`; with no
// phasors (no curve, or a circuit without elements) only the frame and the heading.
void draw_phasor_panel(graph::Context& g, const PhasorSet& phasors, double frequency,
                       int curve_colour);

}  // namespace tessaly
