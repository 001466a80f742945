// Curve pieces, points and marks drawn into a frame. Callers bracket them with
// set_clip_to_frame and reset_clip; nothing here clamps a coordinate.
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

constexpr int kMarkSlot = 10;  // slot of world lines, markers and the dotted circle

void move_pen(Context& g, GraphFrame& frame, double x, double y, int colour, int slot);
void frame_segment(Context& g, const GraphFrame& frame, int x0, int y0, int x1, int y1, int colour,
                   int slot);
void draw_pen(Context& g, GraphFrame& frame, double x, double y, int colour, int slot);
// One sample of a curve against x: the sample at x_first moves the pen, every sample draws.
void plot_sample(Context& g, GraphFrame& frame, double x_first, double x, double y, int colour,
                 int slot);
// One sample of a parametric curve that starts at (x0, y0).
void plot_pair_segment(Context& g, GraphFrame& frame, double x0, double y0, double x, double y,
                       int colour, int slot);
void circle_mark(Context& g, const GraphFrame& frame, double x, double y, int radius, int colour);

}  // namespace tessaly::graph
