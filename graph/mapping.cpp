#include "graph/mapping.h"

#include <cmath>

namespace tessaly::graph {

namespace {

// A screen integer for a whole-numbered double. Converting NaN or a value beyond int range is
// undefined, so such values go far off-screen where the frame's clip hides them.
int guarded(double whole) {
  if (std::isnan(whole)) return kOffScreen;
  if (whole > kOffScreen) return kOffScreen;
  if (whole < -kOffScreen) return -kOffScreen;
  return static_cast<int>(whole);
}

double fraction(double v, double min, double max, bool logarithmic) {
  if (logarithmic) {
    return (std::log10(v) - std::log10(min)) / (std::log10(max) - std::log10(min));
  }
  return (v - min) / (max - min);
}

}  // namespace

int round_to_screen(double v) {
  return guarded(std::floor(v + 0.5));
}

int trunc_to_screen(double v) {
  return guarded(std::trunc(v));
}

int map_x(const GraphFrame& frame, double x) {
  const double t = fraction(x, frame.x_min, frame.x_max, frame.x_scale == 3);
  return frame.left + round_to_screen(frame.width * t);
}

int map_y(const GraphFrame& frame, double y) {
  const double t = fraction(y, frame.y_min, frame.y_max, frame.y_scale == 3);
  return frame.bottom - round_to_screen(frame.height * t);
}

int map_y_linear(const GraphFrame& frame, double y) {
  const double t = fraction(y, frame.y_min, frame.y_max, false);
  return round_to_screen(frame.bottom - frame.height * t);
}

}  // namespace tessaly::graph
