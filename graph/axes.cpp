#include "graph/axes.h"

#include <cmath>
#include <initializer_list>

#include "core/text.h"
#include "graph/axis_parts.h"
#include "graph/labels.h"
#include "graph/mapping.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

constexpr int kXyLayout = 3;

// The largest multiple of unit at or below v, but never above -unit; 0 for v at or above 0.
double widen_down(double v, double unit) {
  if (v >= 0.0) return 0.0;
  double k = -unit * std::ceil(-v / unit);
  if (k > v) k -= unit;  // the division rounded just below a whole number
  return k;
}

double widen_up(double v, double unit) {
  if (v <= 0.0) return 0.0;
  double k = unit * std::ceil(v / unit);
  if (k < v) k += unit;
  return k;
}

int check_axis(int scale, double min, double max) {
  if (scale == 2 && std::fabs(max - min) > 1800.0) return kAngleRangeTooWide;
  if (scale == kLogarithmicScale && (!(max > 0.0) || !(min > 0.0))) return kLogBoundNotPositive;
  if (scale >= 0 && scale <= 5 && !(max - min > 0.0)) return kRangeEmpty;
  return kAxesDrawn;
}

double linear_step(int scale, double& min, double& max, double& divisions) {
  if (scale == 2) return angle_step(min, max);
  if (scale == 0 || scale == 5) {
    if (divisions == 0.0) divisions = 1.0;
    return (max - min) / divisions;
  }
  return automatic_step(min, max);
}

// A range or step that is not finite would keep the grid loop from ever ending.
bool grid_can_run(double min, double max, double step) {
  return std::isfinite(min) && std::isfinite(max) && std::isfinite(step) && step > 0.0;
}

// Sums of steps miss zero by a rounding remainder; the zero line must be found exactly.
double next_grid_value(double v, double step) {
  v += step;
  if (std::fabs(v) < std::fabs(step) * 0.0001) v = 0.0;
  return v;
}

// The loops' relative margin past the maximum admits a rounding remainder; in a narrow range
// far from zero it would also admit millions of steps beyond the frame.
bool within_half_step(double v, double max, double step) {
  return v <= max + 0.5 * step;
}

GridLine linear_line(int scale, double v, double min, double max) {
  if (scale == 4) return v == 0.0 ? GridLine::kSolid : GridLine::kDotted;
  const bool solid = v == min || v == 0.0 || (v >= 0.999 * max && v <= 1.001 * max);
  return solid ? GridLine::kSolid : GridLine::kDotted;
}

GridLine dotted_as(int scale, GridLine line) {
  return scale == 4 && line == GridLine::kDotted ? GridLine::kFineDotted : line;
}

void draw_linear_x_axis(Context& g, GraphFrame& f, char prefix) {
  const double step = linear_step(f.x_scale, f.x_min, f.x_max, f.x_divisions);
  if (!grid_can_run(f.x_min, f.x_max, step)) return;
  const int top = f.bottom - f.height;
  const double advance = f.width * step / (f.x_max - f.x_min);
  double v = f.x_min;
  double sx = f.left;
  while (v <= 1.0001 * f.x_max && within_half_step(v, f.x_max, step)) {
    const int x = trunc_to_screen(sx);
    draw_grid_line(g, dotted_as(f.x_scale, linear_line(f.x_scale, v, f.x_min, f.x_max)), x,
                   f.bottom, x, top);
    draw_number(g, x - 8, f.bottom, v, 0.9, 0.9, 0, prefix);
    const double next = next_grid_value(v, step);
    if (next == v) break;  // a step below the resolution of v
    v = next;
    sx += advance;
  }
}

void draw_linear_y_axis(Context& g, GraphFrame& f, char prefix) {
  const double step = linear_step(f.y_scale, f.y_min, f.y_max, f.y_divisions);
  if (!grid_can_run(f.y_min, f.y_max, step)) return;
  const int right = f.left + f.width;
  const double advance = f.height * step / (f.y_max - f.y_min);
  double v = f.y_min;
  double sy = f.bottom;
  while (v <= 1.00001 * f.y_max && within_half_step(v, f.y_max, step)) {
    const int y = trunc_to_screen(sy);
    draw_grid_line(g, dotted_as(f.y_scale, linear_line(f.y_scale, v, f.y_min, f.y_max)), f.left, y,
                   right, y);
    draw_y_number(g, f, v, sy, prefix);
    const double next = next_grid_value(v, step);
    if (next == v) break;
    v = next;
    sy -= advance;
  }
}

bool drawn_scale(int scale) {
  return scale >= 0 && scale <= 5;
}

void draw_x_axis(Context& g, GraphFrame& f, char prefix) {
  if (!drawn_scale(f.x_scale)) return;
  if (f.layout == kXyLayout) {
    draw_xy_x_grid(g, f);
  } else if (f.x_scale == kLogarithmicScale) {
    draw_log_x_axis(g, f, prefix);
  } else {
    draw_linear_x_axis(g, f, prefix);
  }
}

void draw_y_axis(Context& g, GraphFrame& f, char prefix) {
  if (!drawn_scale(f.y_scale)) return;
  if (f.layout == kXyLayout) {
    draw_xy_y_grid(g, f);
  } else if (f.y_scale == kLogarithmicScale) {
    draw_log_y_axis(g, f, prefix);
  } else {
    draw_linear_y_axis(g, f, prefix);
  }
}

void draw_axis_texts(Context& g, const GraphFrame& f) {
  const char* x_label = localized(g, f.x_label);
  const char* y_label = localized(g, f.y_label);
  const int x_bytes = sjis_length(x_label);
  switch (f.layout) {
    case 0: {
      // Stacked frames have no room below: the x text sits inside the lower right corner.
      const int x = f.left + f.width - 8 * x_bytes + 6;
      g.surface.fill_box(x, f.bottom - 18, x + 8 * x_bytes - 14, f.bottom - 2, 7);
      g.surface.text_at(x, f.bottom - 18, x_label, 0, 0);
      break;
    }
    case 1:
    case 4:
      g.surface.text_at(f.left + f.width / 2 - 4 * x_bytes, f.bottom + 20, x_label, 0, 0);
      break;
    case kXyLayout:
      draw_xy_scale_captions(g, f);
      return;
    default:
      return;
  }
  g.surface.text_at(f.left - 48, f.bottom - f.height / 2 + 4 * sjis_length(y_label), y_label, 0, 1);
  if (f.layout == 4) {
    g.surface.text_at(f.left, f.bottom + 20, "(MSB)", 0, 0);
    g.surface.text_at(f.left + f.width, f.bottom + 20, "(LSB)", 0, 0);
  }
}

}  // namespace

double automatic_step(double& min, double& max) {
  const double span = max - min;
  double step = 0.0;
  for (const double i : {1.0, 2.0, 5.0}) {
    step = i * std::pow(10.0, std::floor(std::log10(span / i)));
    const double n = span / step;
    if (n >= 4.3 && n < 8.6) break;
  }
  min = step * std::floor(min / step);
  max = step * std::ceil(max / step);
  return step;
}

double angle_step(double& min, double& max) {
  double low = widen_down(min, 90.0);
  double high = widen_up(max, 90.0);
  const double span = high - low;
  double step = 180.0;
  if (span <= 180.0) {
    step = 30.0;
  } else if (span <= 540.0) {
    step = 90.0;
  } else if (span <= 1080.0) {
    step = 180.0;
  } else if (span <= 1800.0) {
    step = 360.0;
  } else {
    low = widen_down(low, 180.0);
    high = widen_up(high, 180.0);
  }
  min = low;
  max = high;
  return step;
}

int draw_axes(Context& g, GraphFrame& frame, char x_prefix, char y_prefix) {
  if (frame.x_min == 0.0 && frame.x_max == 0.0) return kNoXRange;
  if (frame.y_min == 0.0 && frame.y_max == 0.0) return kNoYRange;
  int code = check_axis(frame.x_scale, frame.x_min, frame.x_max);
  if (code != kAxesDrawn) return code;
  draw_x_axis(g, frame, x_prefix);
  code = check_axis(frame.y_scale, frame.y_min, frame.y_max);
  if (code != kAxesDrawn) return code;
  draw_y_axis(g, frame, y_prefix);
  draw_axis_texts(g, frame);
  return kAxesDrawn;
}

}  // namespace tessaly::graph
