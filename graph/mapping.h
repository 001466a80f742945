// World values to logical screen positions of a frame.
#pragma once

#include "graph/frame.h"

namespace tessaly::graph {

// Far outside every frame: where a value without a screen position lands, so the clip hides it.
constexpr int kOffScreen = 100000;

// floor(v + 0.5) as a screen integer; NaN and values beyond +/-kOffScreen give +/-kOffScreen.
int round_to_screen(double v);
// trunc(v) as a screen integer, under the same guard.
int trunc_to_screen(double v);

int map_x(const GraphFrame& frame, double x);
int map_y(const GraphFrame& frame, double y);
// The same positions before rounding: where a value lies between screen units.
double unrounded_x(const GraphFrame& frame, double x);
double unrounded_y(const GraphFrame& frame, double y);
// The inverse: the world value at a logical position, on the frame's own scales.
double world_x(const GraphFrame& frame, double x);
double world_y(const GraphFrame& frame, double y);
// Two frames over one frequency axis map each frequency twice: the second takes the
// logarithm the first has just taken.
void share_x_logarithm(const GraphFrame& from, GraphFrame& to);
// Linear y rounded as a whole (bottom - height * t), for the axis pointer.
int map_y_linear(const GraphFrame& frame, double y);

}  // namespace tessaly::graph
