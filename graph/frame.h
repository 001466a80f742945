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
// The scale code of an axis that maps logarithmically; every other code maps linearly.
constexpr int kLogarithmicScale = 3;

// The logarithms of a logarithmic axis' ends and of the last value mapped on it, kept while
// they stay the same: a curve maps thousands of points against the same ends, and log10 is
// most of the cost of mapping a point. Equal arguments give equal logarithms, so a cached
// result is the very same double.
struct LogCache {
  double min = 1.0;
  double max = 1.0;
  double log_min = 0.0;
  double log_max = 0.0;
  double value = 1.0;
  double log = 0.0;
};

struct GraphFrame {
  double x_min;
  double x_max;
  double y_min;
  double y_max;
  double x_divisions;
  double y_divisions;
  double last_value;  // the sweep keeps the reactance of the current point here
  double x_origin;    // where the general point plotter starts a new curve
  int x_scale;        // kLogarithmicScale or linear
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
  // Memos of the mapping, not part of the frame's state.
  mutable LogCache x_logs;
  mutable LogCache y_logs;
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

}  // namespace tessaly::graph
