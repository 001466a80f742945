#include "graph/plotting_beyond_the_programs.h"

#include <cmath>

#include "complex/angles.h"
#include "graph/mapping.h"
#include "graph/plotting.h"
#include "graph/setup.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

void segment(Context& g, const GraphFrame& frame, int x0, int y0, int x1, int y1, int colour) {
  frame_segment(g, frame, x0, y0, x1, y1, colour, kMarkSlot);
}

void diagonals(Context& g, const GraphFrame& f, int x, int y, int s, int colour) {
  segment(g, f, x - s, y - s, x + s, y + s, colour);
  segment(g, f, x - s, y + s, x + s, y - s, colour);
}

void centre_lines(Context& g, const GraphFrame& f, int x, int y, int s, int colour, bool vertical) {
  segment(g, f, x - s, y, x + s, y, colour);
  if (vertical) segment(g, f, x, y - s, x, y + s, colour);
}

void square(Context& g, const GraphFrame& f, int x, int y, int s, int colour) {
  segment(g, f, x - s, y - s, x + s, y - s, colour);
  segment(g, f, x + s, y - s, x + s, y + s, colour);
  segment(g, f, x + s, y + s, x - s, y + s, colour);
  segment(g, f, x - s, y + s, x - s, y - s, colour);
}

void triangle(Context& g, const GraphFrame& f, int x, int y, int s, int colour) {
  segment(g, f, x, y + s, x - s, y - s, colour);
  segment(g, f, x - s, y - s, x + s, y - s, colour);
  segment(g, f, x + s, y - s, x, y + s, colour);
}

GraphFrame* kind_frame(Context& g, int kind) {
  if (kind >= 4 && kind <= 100) return &g.main_frame;
  const bool stacked = (kind >= 101 && kind <= 131) || (kind >= 134 && kind <= 143);
  if (!stacked) return nullptr;
  const int target = g.graph_settings.plot_target;
  if (target == 1 || target == 3) return &g.upper_frame;
  if (target == 2) return &g.lower_frame;
  return nullptr;
}

void clipped_to(Context& g, const GraphFrame& f) {
  g.surface.set_clip_to_frame(f.left, f.bottom, f.width, f.height);
}

}  // namespace

void move_first_slot(Context& g, GraphFrame& frame, double x, double y, int colour) {
  move_pen(g, frame, x, y, colour, 0);
}

void step_plot(Context& g, GraphFrame& frame, double x_first, double x, double y, int colour,
               int slot) {
  if (x == x_first) {
    move_pen(g, frame, x, y, colour, slot);
    frame.prev_y[slot] = y;
  }
  draw_pen(g, frame, x, frame.prev_y[slot], colour, slot);
  draw_pen(g, frame, x, y, colour, slot);
  frame.prev_y[slot] = y;
}

void world_line(Context& g, const GraphFrame& frame, double x0, double y0, double x1, double y1,
                int colour) {
  segment(g, frame, map_x(frame, x0), map_y(frame, y0), map_x(frame, x1), map_y(frame, y1), colour);
}

void world_line_clipped(Context& g, double x0, double y0, double x1, double y1, int colour) {
  clipped_to(g, g.main_frame);
  world_line(g, g.main_frame, x0, y0, x1, y1, colour);
  g.surface.reset_clip();
}

namespace {

void pattern_world_line_with(Context& g, double x0, double y0, double x1, double y1, int colour,
                             int width, int pattern) {
  const GraphFrame& f = g.main_frame;
  clipped_to(g, f);
  g.surface.pattern_line(map_x(f, x0), map_y(f, y0), map_x(f, x1), map_y(f, y1), colour, width,
                         pattern);
  g.surface.reset_clip();
}

}  // namespace

void pattern_world_line(Context& g, double x0, double y0, double x1, double y1, int colour) {
  pattern_world_line_with(g, x0, y0, x1, y1, colour, g.main_frame.pen_width,
                          g.main_frame.dash_mask);
}

void pattern_world_line_from_settings(Context& g, double x0, double y0, double x1, double y1) {
  const GraphSettings& s = g.graph_settings;
  pattern_world_line_with(g, x0, y0, x1, y1, s.curve_number, s.pen_width, s.dash_mask);
}

void impulse(Context& g, GraphFrame& frame, double x, double y, int colour, int slot) {
  move_pen(g, frame, x, 0.0, colour, slot);
  draw_pen(g, frame, x, y, colour, slot);
}

void marker(Context& g, GraphFrame& frame, double x, double y, int colour) {
  const int sx = map_x(frame, x);
  const int sy = map_y(frame, y);
  const int s = frame.marker_size;
  const int old_style = frame.pen_style;
  const int old_width = frame.pen_width;
  frame.pen_style = 0;
  frame.pen_width = 1;
  switch (frame.marker) {
    case 0:
    case 8:
      g.surface.draw_circle(sx, sy, s, colour, old_width, old_style);
      break;
    case 1:
      diagonals(g, frame, sx, sy, s, colour);
      break;
    case 2:
    case 9:
      triangle(g, frame, sx, sy, s, colour);
      break;
    case 3:
    case 7:
      square(g, frame, sx, sy, s, colour);
      break;
    case 4:
      diagonals(g, frame, sx, sy, s, colour);
      centre_lines(g, frame, sx, sy, s, colour, false);
      break;
    case 5:
      diagonals(g, frame, sx, sy, s, colour);
      centre_lines(g, frame, sx, sy, s, colour, true);
      break;
    case 6:
      centre_lines(g, frame, sx, sy, s, colour, true);
      break;
    default:
      break;
  }
  if (frame.marker >= 7 && frame.marker <= 9) g.surface.flood_fill(sx, sy, colour, colour);
}

void cross_mark(Context& g, const GraphFrame& frame, double x, double y, int half_size,
                int colour) {
  const int sx = map_x(frame, x);
  const int sy = map_y(frame, y);
  const int c = half_size;
  g.surface.draw_line(sx - c, sy - c, sx + c, sy + c, colour, frame.pen_width, frame.pen_style);
  g.surface.draw_line(sx - c, sy + c, sx + c, sy - c, colour, frame.pen_width, frame.pen_style);
}

void world_circle(Context& g, const GraphFrame& frame, double x, double y, double radius,
                  int colour, bool filled) {
  const int sx = map_x(frame, x);
  const int sy = map_y(frame, y);
  const int r = trunc_to_screen(frame.width * radius / (frame.x_max - frame.x_min));
  g.surface.draw_circle(sx, sy, r, colour, frame.pen_width, frame.pen_style);
  if (filled) g.surface.flood_fill(sx, sy, colour, colour);
}

void dotted_circle(Context& g, GraphFrame& frame, double cx, double cy, double radius,
                   double step_degrees, int colour) {
  if (!(step_degrees > 0.0)) return;  // would never reach 360
  for (double a = 0.0; a < 360.0; a += step_degrees) {
    const double theta = a * kTwoPi / 360.0;
    move_pen(g, frame, cx + radius * std::cos(theta), cy + radius * std::sin(theta), colour,
             kMarkSlot);
  }
}

void axis_pointer(Context& g, const GraphFrame& frame, double y, int colour) {
  const int x = frame.left;
  const int sy = map_y_linear(frame, y);
  g.surface.draw_line(x, sy, x - 14, sy, colour, 1, 0);
  g.surface.draw_line(x, sy, x - 5, sy + 5, colour, 1, 0);
  g.surface.draw_line(x, sy, x - 5, sy - 5, colour, 1, 0);
  g.surface.draw_line(x - 5, sy + 5, x - 8, sy + 5, colour, 1, 0);
  g.surface.draw_line(x - 5, sy - 5, x - 8, sy - 5, colour, 1, 0);
}

void plot_general_point(Context& g, GraphFrame& frame, double x, double y, int colour, int slot) {
  if (x == frame.x_origin) {
    move_pen(g, frame, x, y, colour, slot);
    frame.prev_y[slot] = y;
  }
  const int style = frame.plot_style;
  if (style == 2) {
    draw_pen(g, frame, x, frame.prev_y[slot], colour, slot);
    frame.prev_y[slot] = y;
  }
  if (style != 4 && style != 7) {
    draw_pen(g, frame, x, y, colour, slot);
  } else {
    move_pen(g, frame, x, y, colour, slot);
    draw_pen(g, frame, x, 0.0, colour, slot);
  }
  if (style == 5) world_line(g, frame, x, y, x, 0.0, colour);
}

void plot_kind_point(Context& g, int kind, double x, double y, int colour, int slot) {
  const GraphSettings& s = g.graph_settings;
  double origin = 0.0;
  bool has_origin = true;
  if (kind >= 4 && kind <= 14) {
    origin = s.input_start;
  } else if (kind >= 20 && kind <= 45) {
    origin = s.time_start;
  } else if (kind >= 46 && kind <= 62) {
    origin = s.locus_x_min;
  } else if (kind >= 63 && kind <= 145) {
    origin = s.sweep_start;
  } else {
    has_origin = false;
  }
  if (has_origin) g.main_frame.x_origin = g.upper_frame.x_origin = g.lower_frame.x_origin = origin;
  refresh_line_attributes(g, g.graph_settings);
  GraphFrame* frame = kind_frame(g, kind);
  if (frame == nullptr) return;
  clipped_to(g, *frame);
  if (frame->plot_style >= 0 && frame->plot_style <= 8) {
    plot_general_point(g, *frame, x, y, colour, slot);
  }
  const int style = frame->plot_style;
  if (style == 6 || style == 7 || style == 9) marker(g, *frame, x, y, colour);
  g.surface.reset_clip();
}

}  // namespace tessaly::graph
