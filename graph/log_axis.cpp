// Logarithmic axes: one grid line and one number per decade, dotted lines at 2 to 9 between.
// A dotted line that would land on the one just drawn repeats the same dots, and is left out:
// across hundreds of decades that would be millions of dots for the same picture.
#include <cmath>

#include "graph/axis_parts.h"
#include "graph/labels.h"
#include "graph/mapping.h"

namespace tessaly::graph {

namespace {

// Widens to whole decades in place and returns the number of decades, or -1 when the widened
// range has no finite decade count to draw.
double widen_to_decades(double& min, double& max) {
  max = std::pow(10.0, std::ceil(std::log10(max)));
  min = std::pow(10.0, std::floor(std::log10(min)));
  const double decades = std::log10(max / min);
  return std::isfinite(decades) && decades > 0.0 ? decades : -1.0;
}

}  // namespace

void draw_log_x_axis(Context& g, GraphFrame& f, char prefix) {
  const double decades = widen_to_decades(f.x_min, f.x_max);
  if (decades < 0.0) return;
  const double w = f.width / decades;
  const int n = static_cast<int>(decades);
  const int top = f.bottom - f.height;
  double sx = f.left;
  for (int i = 0; i <= n; ++i, sx += w) {
    const double v = f.x_min * std::pow(10.0, i);
    const int x = trunc_to_screen(sx);
    draw_grid_line(g, GridLine::kSolid, x, f.bottom, x, top);
    draw_number(g, trunc_to_screen(sx - 8), f.bottom, v, 0.9, 0.9, 0, prefix);
    if (v == f.x_max || i == n) continue;
    int previous = f.left - 1;
    for (int k = 2; k <= 9; ++k) {
      const int xk = trunc_to_screen(sx + std::log10(static_cast<double>(k)) * w);
      if (xk == previous) continue;
      draw_grid_line(g, GridLine::kSubDecade, xk, top, xk, f.bottom);
      previous = xk;
    }
  }
}

void draw_log_y_axis(Context& g, GraphFrame& f, char prefix) {
  const double decades = widen_to_decades(f.y_min, f.y_max);
  if (decades < 0.0) return;
  const double w = f.height / decades;
  const int n = static_cast<int>(decades);
  const int right = f.left + f.width;
  double sy = f.bottom;
  for (int i = 0; i <= n; ++i, sy -= w) {
    const double v = f.y_min * std::pow(10.0, i);
    const int y = trunc_to_screen(sy);
    draw_grid_line(g, GridLine::kSolid, f.left, y, right, y);
    draw_y_number(g, f, v, sy, prefix);
    if (v == f.y_max || i == n) continue;
    int previous = f.bottom + 1;
    for (int k = 2; k <= 9; ++k) {
      const int yk = trunc_to_screen(sy - std::log10(static_cast<double>(k)) * w);
      if (yk == previous) continue;
      draw_grid_line(g, GridLine::kSubDecade, f.left, yk, right, yk);
      previous = yk;
    }
  }
}

}  // namespace tessaly::graph
