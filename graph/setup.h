// Graph kinds: once per drawing pass, the frames of a kind are filled, their axes drawn, then
// the title and the date stamp.
#pragma once

#include "graph/context.h"

namespace tessaly::graph {

// The start-up axis texts.
void reset_axis_labels(Context& g);

void set_up_graph(Context& g, int kind, GraphSettings& settings, const char* title);
void refresh_line_attributes(Context& g, GraphSettings& settings);
void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions, int y_divisions,
                      const char* x_label, const char* y_label);
void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max);
void set_layout(int layout, GraphFrame* first, GraphFrame* second);
void draw_frame_titles(Context& g, int layout, GraphFrame* first, GraphFrame* second,
                       const char* title);
void set_up_channel_chart(Context& g, int kind, GraphSettings& settings, const char* title);

}  // namespace tessaly::graph
