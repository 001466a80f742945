// The channel chart: up to ten thin strips stacked like a recorder's traces, each with a name
// and a 'T' (centre line) or 'L' (baseline) mark. No axes are drawn for it.
#include "core/text.h"
#include "graph/mapping.h"
#include "graph/setup.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

void draw_channel_mark(Context& g, char mark, const GraphFrame& f, int i, int h) {
  if (mark == 'T') {
    const int m = trunc_to_screen(h * (i + 0.5) + 24);
    g.surface.draw_line(64, m, 464, m, 0, 0, 0);
    g.surface.draw_line(64, m - h / 2 + 5, 64, m + h / 2 - 5, 0, 0, 0);
  } else if (mark == 'L') {
    g.surface.draw_line(64, f.bottom, 464, f.bottom, 0, 0, 0);
    g.surface.draw_line(64, f.bottom - h + 10, 64, f.bottom, 0, 0, 0);
  }
}

}  // namespace

void set_up_channel_chart(Context& g, int kind, GraphSettings& settings, const char* title) {
  const GraphSettings& s = settings;
  const double x_min = kind == 1 ? s.input_start : s.time_start;
  const double x_max = kind == 1 ? s.input_stop : s.time_stop;
  // A count outside 1..10 has no strips to divide the height into; keep it in range.
  int count = s.channel_count;
  if (count < 1) count = 1;
  if (count > kChannelFrames) count = kChannelFrames;
  const int h = 384 / count;
  for (int i = 0; i < count; ++i) {
    GraphFrame& f = g.channel_frames[i];
    f.layout = 2;
    set_frame_scales(f, 1, 1, s.x_division_count, s.y_division_count, s.channel_x_labels[i],
                     s.channel_names[i]);
    set_frame_ranges(f, x_min, x_max, s.channel_y_min[i], s.channel_y_max[i]);
    f.left = 64;
    f.width = 400;
    f.height = h;
    f.bottom = h * (i + 1) + 24;
    draw_channel_mark(g, s.channel_marks[i], f, i, h);
    g.surface.text_at(32, h * (i + 1) + sjis_length(s.channel_names[i]) + 20, s.channel_names[i], 0,
                      1);
  }
  const GraphFrame& first = g.channel_frames[0];
  const GraphFrame& last = g.channel_frames[count - 1];
  g.surface.text_at(first.left + first.width / 2 - 4 * sjis_length(title),
                    first.bottom - first.height - 20, title, 0, 0);
  g.surface.text_at(last.left + 200 + 16 - 4 * sjis_length(s.x_label_text), last.bottom + 4,
                    s.x_label_text, 0, 0);
  g.surface.text_at(first.left + first.width + 8, last.bottom + 20, surface::date_stamp().text, 0,
                    0);
}

}  // namespace tessaly::graph
