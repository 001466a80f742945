// Axes, scales and grids of a frame. The ranges widened here are the ones the curves are then
// mapped with, so curves always fit the drawn grid.
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

// Codes returned by draw_axes (shown by show_error).
constexpr int kAxesDrawn = 0;
constexpr int kLogBoundNotPositive = 1;
constexpr int kAngleRangeTooWide = 2;
constexpr int kRangeEmpty = 3;
constexpr int kNoXRange = 4;
constexpr int kNoYRange = 5;

// Step of 1, 2 or 5 times a power of ten; widens min and max outward to whole steps.
double automatic_step(double& min, double& max);
// Step of an angle axis in degrees; widens min and max to multiples of 90 (or 180).
double angle_step(double& min, double& max);

// Checks and widens the frame's ranges, draws grid, numbers and label texts.
int draw_axes(Context& g, GraphFrame& frame, char x_prefix, char y_prefix);

}  // namespace tessaly::graph
