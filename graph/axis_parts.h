// Pieces of the axes shared by the linear, logarithmic and X-Y grids (internal to graph/).
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

enum class GridLine {
  kSolid,       // frame edges, zero lines, decade lines
  kDotted,      // linear grid
  kFineDotted,  // grid of scale type 4 and of the X-Y frame
  kSubDecade,   // the lines at 2 to 9 within a decade
  kTick,        // short ticks of the X-Y frame
};

// Draws in colour 0 with the window or the printer variant of the line.
void draw_grid_line(Context& g, GridLine line, int x1, int y1, int x2, int y2);

// The number of a horizontal grid line, right-aligned left of the axis at screen height sy.
void draw_y_number(Context& g, const GraphFrame& frame, double v, double sy, char prefix);

void draw_log_x_axis(Context& g, GraphFrame& frame, char prefix);
void draw_log_y_axis(Context& g, GraphFrame& frame, char prefix);
void draw_xy_x_grid(Context& g, const GraphFrame& frame);
void draw_xy_y_grid(Context& g, const GraphFrame& frame);
void draw_xy_scale_captions(Context& g, const GraphFrame& frame);

}  // namespace tessaly::graph
