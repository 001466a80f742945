#include "graph/plotting.h"

#include "graph/mapping.h"
#include "surface/surface.h"

namespace tessaly::graph {

void move_pen(Context& g, GraphFrame& frame, double x, double y, int colour, int slot) {
  const int sx = map_x(frame, x);
  const int sy = map_y(frame, y);
  frame.pen_x[slot] = sx;
  frame.pen_y[slot] = sy;
  g.surface.plot_point(sx, sy, colour, frame.pen_width, surface::kCopyPen);
}

void frame_segment(Context& g, const GraphFrame& frame, int x0, int y0, int x1, int y1, int colour,
                   int slot) {
  // On paper the thinnest pen vanishes, so printing replaces the width outright.
  const bool printing = g.surface.output_target == 1;
  if (frame.pen_style < 4) {
    const int width =
        printing ? static_cast<int>(g.surface.print_magnification * 5.0) : frame.pen_width;
    g.surface.draw_line(x0, y0, x1, y1, colour, width, frame.pen_style);
  } else if (frame.pen_style == 4) {
    const int pattern = frame.dash_mask == 0 ? 0xFFFF : frame.dash_mask;
    const int width =
        printing ? static_cast<int>(g.surface.print_magnification * 8.0) : frame.pen_width;
    g.surface.pattern_curve_point(x0, y0, x1, y1, colour, width, pattern, slot);
  }
}

void draw_pen(Context& g, GraphFrame& frame, double x, double y, int colour, int slot) {
  const int sx = map_x(frame, x);
  const int sy = map_y(frame, y);
  frame_segment(g, frame, frame.pen_x[slot], frame.pen_y[slot], sx, sy, colour, slot);
  frame.pen_x[slot] = sx;
  frame.pen_y[slot] = sy;
}

void plot_sample(Context& g, GraphFrame& frame, double x_first, double x, double y, int colour,
                 int slot) {
  if (x == x_first) move_pen(g, frame, x, y, colour, slot);
  draw_pen(g, frame, x, y, colour, slot);
}

void plot_pair_segment(Context& g, GraphFrame& frame, double x0, double y0, double x, double y,
                       int colour, int slot) {
  if (x == x0) move_pen(g, frame, x0, y0, colour, slot);
  draw_pen(g, frame, x, y, colour, slot);
}

void circle_mark(Context& g, const GraphFrame& frame, double x, double y, int radius, int colour) {
  g.surface.draw_circle(map_x(frame, x), map_y(frame, y), radius, colour, frame.pen_width,
                        frame.pen_style);
}

}  // namespace tessaly::graph
