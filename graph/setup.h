// Graph kinds: once per drawing pass, the frames of a kind are filled, their axes drawn, then
// the title and the date stamp.
#pragma once

#include "graph/frame.h"

namespace tessaly::graph {

constexpr int kAxisLabelEntries = 20;

// Pairs of axis texts; a frame takes one index, the lower of two stacked frames the next.
// Entry 0 and the y text of entry 18 take caller texts for some kinds.
extern char axis_label_x_table[kAxisLabelEntries][kTableTextCapacity];
extern char axis_label_y_table[kAxisLabelEntries][kTableTextCapacity];
void reset_axis_labels();

void set_up_graph(int kind, GraphSettings& settings, const char* title);
void refresh_line_attributes(GraphSettings& settings);
void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions, int y_divisions,
                      const char* x_label, const char* y_label);
void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max);
void set_layout(int layout, GraphFrame* first, GraphFrame* second);
void draw_frame_titles(int layout, GraphFrame* first, GraphFrame* second, const char* title);
void set_up_channel_chart(int kind, GraphSettings& settings, const char* title);

}  // namespace tessaly::graph
