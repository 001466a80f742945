#include "graph/setup.h"

#include <initializer_list>

#include "core/text.h"
#include "graph/axes.h"
#include "graph/kind_tables.h"
#include "graph/readout.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

constexpr int kStackedLabelCopy = 18;

void default_when_zero(double& value, double fallback) {
  if (value == 0.0) value = fallback;
}

void set_up_single_frame(Context& g, const SingleFrameKind& k, GraphSettings& s,
                         const char* title) {
  if (k.copies_texts) {
    copy_text(g.axis_label_x_table[0], kTableTextCapacity, s.x_label_text);
    copy_text(g.axis_label_y_table[0], kTableTextCapacity, s.y_label_text);
  }
  const int x_divisions = k.uses_divisions ? s.x_division_count : 0;
  const int y_divisions = k.uses_divisions ? s.y_division_count : 0;
  set_frame_scales(g.main_frame, k.x_scale, k.y_scale, x_divisions, y_divisions,
                   g.axis_label_x_table[k.label_index], g.axis_label_y_table[k.label_index]);
  set_frame_ranges(g.main_frame, s.*k.x.min, s.*k.x.max, s.*k.y.min, s.*k.y.max);
  draw_frame_titles(g, k.layout, &g.main_frame, nullptr, title);
}

void set_up_stacked(Context& g, const StackedKind& k, GraphSettings& s, const char* title) {
  if (k.copies_y_text) {
    copy_text(g.axis_label_y_table[kStackedLabelCopy], kTableTextCapacity, s.y_label_text);
  }
  const int m = k.label_index;
  set_frame_scales(g.upper_frame, k.x_scale, k.upper_y_scale, 0, 0, g.axis_label_x_table[m],
                   g.axis_label_y_table[m]);
  set_frame_scales(g.lower_frame, k.x_scale, k.lower_y_scale, 0, 0, g.axis_label_x_table[m + 1],
                   g.axis_label_y_table[m + 1]);
  set_frame_ranges(g.upper_frame, s.freq_x_min, s.freq_x_max, s.*k.upper_y.min, s.*k.upper_y.max);
  set_frame_ranges(g.lower_frame, s.freq_x_min, s.freq_x_max, s.*k.lower_y.min, s.*k.lower_y.max);
  draw_frame_titles(g, 0, &g.upper_frame, &g.lower_frame, title);
}

int frame_width(int layout, int x_scale) {
  if (layout == 3) return 400;
  if (layout == 5) return 320;
  if (x_scale == 0) return 400;
  if (x_scale == 4 || x_scale == 5) return 320;
  return 448;
}

}  // namespace

void set_up_graph(Context& g, int kind, GraphSettings& settings, const char* title) {
  forget_swept_curves(g);
  GraphSettings& s = settings;
  default_when_zero(s.time_x_min, s.time_start);
  default_when_zero(s.time_x_max, s.time_stop);
  default_when_zero(s.freq_x_min, s.sweep_start);
  default_when_zero(s.freq_x_max, s.sweep_stop);
  default_when_zero(s.input_x_min, s.input_start);
  default_when_zero(s.input_x_max, s.input_stop);
  refresh_line_attributes(g, s);
  if (kind >= 4 && kind <= 100) {
    if (const SingleFrameKind* k = find_single_frame_kind(kind))
      set_up_single_frame(g, *k, s, title);
  } else if (kind > 100) {
    if (const StackedKind* k = find_stacked_kind(kind)) set_up_stacked(g, *k, s, title);
  } else if (kind >= 1) {
    set_up_channel_chart(g, kind, s, title);
  }
  // A caller's own x range holds for one set-up only.
  s.time_x_min = s.time_x_max = 0.0;
  s.freq_x_min = s.freq_x_max = 0.0;
  s.input_x_min = s.input_x_max = 0.0;
}

void refresh_line_attributes(Context& g, GraphSettings& settings) {
  if (settings.dash_mask == 0) settings.dash_mask = 0xAAAA;
  if (settings.marker_size == 0) settings.marker_size = 2;
  for (GraphFrame* f : {&g.main_frame, &g.upper_frame, &g.lower_frame}) {
    f->plot_style = settings.plot_style;
    f->pen_style = settings.pen_style;
    f->pen_width = settings.pen_width;
    f->marker = settings.marker;
    f->dash_mask = settings.dash_mask;
    f->marker_size = settings.marker_size;
  }
}

void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions, int y_divisions,
                      const char* x_label, const char* y_label) {
  frame.x_scale = x_scale;
  frame.y_scale = y_scale;
  frame.x_divisions = x_divisions;
  frame.y_divisions = y_divisions;
  copy_text(frame.x_label, kLabelCapacity, x_label);
  copy_text(frame.y_label, kLabelCapacity, y_label);
}

void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max) {
  frame.x_min = x_min;
  frame.x_max = x_max;
  frame.y_min = y_min;
  frame.y_max = y_max;
}

void set_layout(int layout, GraphFrame* first, GraphFrame* second) {
  for (GraphFrame* f : {first, second}) {
    if (f == nullptr) continue;
    f->layout = layout;
    f->left = 64;
  }
  if (first == nullptr) return;
  switch (layout) {
    case 0:
      first->bottom = 180;
      first->width = 448;
      first->height = 156;
      if (second != nullptr) {
        second->bottom = 352;
        second->width = 448;
        second->height = 156;
      }
      break;
    case 1:
    case 4:
    case 5:
      first->bottom = 328;
      first->height = 304;
      first->width = frame_width(layout, first->x_scale);
      break;
    case 3:
      first->bottom = 344;
      first->height = 320;
      first->width = frame_width(layout, first->x_scale);
      break;
    default:
      break;
  }
}

void draw_frame_titles(Context& g, int layout, GraphFrame* first, GraphFrame* second,
                       const char* title) {
  set_layout(layout, first, second);
  int code = kAxesDrawn;
  if (layout == 0) {
    code = draw_axes(g, *first, ' ', ' ');
    if (code == kAxesDrawn && second != nullptr) code = draw_axes(g, *second, ' ', ' ');
  } else if (layout == 1 || layout == 3 || layout == 4) {
    code = draw_axes(g, *first, ' ', ' ');
  }
  if (code != kAxesDrawn) {
    g.surface.show_error(code);
    return;
  }
  const GraphFrame& f = *first;
  g.surface.text_at(f.left + f.width / 2 - 4 * sjis_length(title), f.bottom - f.height - 20, title,
                    0, 0);
  const bool below_first = layout == 1 || layout == 3 || layout == 4;
  const GraphFrame& d = below_first || second == nullptr ? f : *second;
  g.surface.text_at(d.left + d.width + 8, d.bottom + (below_first ? 70 : 46),
                    surface::date_stamp().text, 0, 0);
  for (int slot = 0; slot < kPenSlots; ++slot) {
    first->pen_x[slot] = f.left;
    first->pen_y[slot] = f.bottom;
  }
}

}  // namespace tessaly::graph
