// The general point plotter and its marks. No graph kind of the three programs reaches them;
// they complete the engine's plotting family on the same frame fields.
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

void move_first_slot(Context& g, GraphFrame& frame, double x, double y, int colour);
void step_plot(Context& g, GraphFrame& frame, double x_first, double x, double y, int colour,
               int slot);
void world_line(Context& g, const GraphFrame& frame, double x0, double y0, double x1, double y1,
                int colour);
void world_line_clipped(Context& g, double x0, double y0, double x1, double y1,
                        int colour);  // main_frame
void pattern_world_line(Context& g, double x0, double y0, double x1, double y1,
                        int colour);  // main_frame
// Colour, width and pattern from graph_settings.
void pattern_world_line_from_settings(Context& g, double x0, double y0, double x1, double y1);
void impulse(Context& g, GraphFrame& frame, double x, double y, int colour, int slot);
void marker(Context& g, GraphFrame& frame, double x, double y, int colour);
void cross_mark(Context& g, const GraphFrame& frame, double x, double y, int half_size, int colour);
void world_circle(Context& g, const GraphFrame& frame, double x, double y, double radius,
                  int colour, bool filled);
void dotted_circle(Context& g, GraphFrame& frame, double cx, double cy, double radius,
                   double step_degrees, int colour);
void axis_pointer(Context& g, const GraphFrame& frame, double y, int colour);
void plot_general_point(Context& g, GraphFrame& frame, double x, double y, int colour, int slot);
void plot_kind_point(Context& g, int kind, double x, double y, int colour, int slot);

}  // namespace tessaly::graph
