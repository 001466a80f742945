// The fixed grid of the X-Y frame: ten by eight divisions like an oscilloscope screen, with the
// value of one division written under and beside it instead of numbers at the lines.
#include "graph/axis_parts.h"
#include "graph/labels.h"
#include "graph/mapping.h"

namespace tessaly::graph {

void draw_xy_x_grid(Context& g, const GraphFrame& f) {
  const int top = f.bottom - f.height;
  const int middle = f.bottom - f.height / 2;
  double sx = f.left;
  for (int k = -5; k <= 5; ++k, sx += f.width / 10.0) {
    const int x = trunc_to_screen(sx);
    const bool solid = k == -5 || k == 0 || k == 5;
    draw_grid_line(g, solid ? GridLine::kSolid : GridLine::kFineDotted, x, f.bottom, x, top);
    if (k == 5) continue;
    for (int j = 0; j <= 4; ++j) {
      const int xt = trunc_to_screen(sx + j * f.width / 50.0);
      draw_grid_line(g, GridLine::kTick, xt, middle - 2, xt, middle + 2);
    }
  }
}

void draw_xy_y_grid(Context& g, const GraphFrame& f) {
  const int right = f.left + f.width;
  const int centre = f.left + f.width / 2;
  double sy = f.bottom;
  for (int k = -4; k <= 4; ++k, sy -= f.height / 8.0) {
    const int y = trunc_to_screen(sy);
    const bool solid = k == -4 || k == 0 || k == 4;
    draw_grid_line(g, solid ? GridLine::kSolid : GridLine::kFineDotted, f.left, y, right, y);
    if (k == -4) continue;
    for (int j = 0; j <= 4; ++j) {
      const int yt = trunc_to_screen(sy + j * f.height / 40.0);
      draw_grid_line(g, GridLine::kTick, centre - 2, yt, centre + 2, yt);
    }
  }
}

void draw_xy_scale_captions(Context& g, const GraphFrame& f) {
  draw_scale_per_div(g, f.left + f.width / 4 + 32, f.bottom + 4, (f.x_max - f.x_min) / 10.0, 0, ' ',
                     's', 0);
  draw_scale_per_div(g, f.left - 24, f.bottom - f.height / 4 - 8, (f.y_max - f.y_min) / 8.0, 0, ' ',
                     'V', 1);
}

}  // namespace tessaly::graph
