// The plot areas of a graph and the record through which a driver describes its graph. Texts
// are UTF-8 in buffers three times the Shift-JIS capacity they were laid out for, so every
// Japanese label fits; layout measures them with sjis_length.
#pragma once

namespace tessaly::graph {

constexpr int kPenSlots = 26;
constexpr int kChannelFrames = 10;
constexpr int kChannelLimits = 25;
constexpr int kLabelCapacity = 120;     // 40 Shift-JIS bytes
constexpr int kTitleCapacity = 180;     // 60
constexpr int kTagCapacity = 168;       // 56
constexpr int kTableTextCapacity = 75;  // 25: axis label and name table entries
constexpr int kChannelMarkCount = 25;

struct GraphFrame {
  double x_min;
  double x_max;
  double y_min;
  double y_max;
  double x_divisions;
  double y_divisions;
  double last_value;  // the sweep keeps the reactance of the current point here
  double x_origin;    // where the general point plotter starts a new curve
  int x_scale;        // 3 logarithmic; every other code maps linearly
  int y_scale;
  int layout;
  int left;
  int bottom;  // the top edge is bottom - height
  int width;
  int height;
  int pen_x[kPenSlots];
  int pen_y[kPenSlots];
  double prev_y[kPenSlots];
  int plot_style;
  int pen_style;  // 0..3 platform styles, 4 drawn with dash_mask, above 4 not drawn
  int pen_width;
  int marker;
  int dash_mask;
  int marker_size;
  char x_label[kLabelCapacity];
  char y_label[kLabelCapacity];
};

struct GraphSettings {
  double time_start, time_stop;
  double sweep_start, sweep_stop;
  double input_start, input_stop;
  double channel_y_min[kChannelLimits];
  double channel_y_max[kChannelLimits];
  int point_count;  // sweep intervals
  // The x ranges below are one-shot: 0 means the default, and set-up clears them again.
  double time_x_min, time_x_max;
  double freq_x_min, freq_x_max;
  double time_y_min, time_y_max;
  double magnitude_min, magnitude_max;
  double phase_min, phase_max;
  double locus_x_min, locus_x_max;
  double locus_y_min, locus_y_max;
  double input_x_min, input_x_max;
  double output_y_min, output_y_max;
  double resistance_min, resistance_max;
  double reactance_min, reactance_max;
  double delay_min, delay_max;
  int x_division_count, y_division_count;
  char x_label_text[kLabelCapacity];  // also the caption of the channel chart
  char y_label_text[kLabelCapacity];
  char channel_x_labels[kChannelFrames][kLabelCapacity];
  char channel_names[kChannelFrames][kLabelCapacity];
  int curve_number;  // colour number of the curve being drawn
  int channel_count;
  int plot_target;  // 1 or 3 upper frame, 2 lower frame (general point plotter)
  int plot_style;
  int pen_style;
  int pen_width;
  int dash_mask;  // 0 stands for 0xAAAA
  int marker;
  int marker_size;  // 0 stands for 2
  char title[kTitleCapacity];
  char tag[kTagCapacity];
  char channel_marks[kChannelMarkCount];  // 'T' or 'L' per channel
};

extern GraphFrame main_frame;
extern GraphFrame upper_frame;
extern GraphFrame lower_frame;
extern GraphFrame channel_frames[kChannelFrames];
extern GraphSettings graph_settings;

// Restores the start-up state of the whole graph engine: frames, settings, the writable axis
// label entries, the legend counters, the sweep globals and the curves known to the read-out.
void reset_graph_state();

}  // namespace tessaly::graph
