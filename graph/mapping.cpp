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

double log_fraction(LogCache& cache, double v, double min, double max) {
  if (min != cache.min || max != cache.max) {
    cache.min = min;
    cache.max = max;
    cache.log_min = std::log10(min);
    cache.log_max = std::log10(max);
  }
  if (v != cache.value) {
    cache.value = v;
    cache.log = std::log10(v);
  }
  return (cache.log - cache.log_min) / (cache.log_max - cache.log_min);
}

double linear_fraction(double v, double min, double max) {
  return (v - min) / (max - min);
}

double x_fraction(const GraphFrame& frame, double x) {
  return frame.x_scale == kLogarithmicScale
             ? log_fraction(frame.x_logs, x, frame.x_min, frame.x_max)
             : linear_fraction(x, frame.x_min, frame.x_max);
}

double y_fraction(const GraphFrame& frame, double y) {
  return frame.y_scale == kLogarithmicScale
             ? log_fraction(frame.y_logs, y, frame.y_min, frame.y_max)
             : linear_fraction(y, frame.y_min, frame.y_max);
}

// The world value at fraction t of the way from min to max on a scale.
double world_at(double t, int scale, double min, double max) {
  if (scale != kLogarithmicScale) return min + t * (max - min);
  const double log_min = std::log10(min);
  return std::pow(10.0, log_min + t * (std::log10(max) - log_min));
}

}  // namespace

int round_to_screen(double v) {
  return guarded(std::floor(v + 0.5));
}

int trunc_to_screen(double v) {
  return guarded(std::trunc(v));
}

int map_x(const GraphFrame& frame, double x) {
  return frame.left + round_to_screen(frame.width * x_fraction(frame, x));
}

int map_y(const GraphFrame& frame, double y) {
  return frame.bottom - round_to_screen(frame.height * y_fraction(frame, y));
}

double unrounded_x(const GraphFrame& frame, double x) {
  return frame.left + frame.width * x_fraction(frame, x);
}

double unrounded_y(const GraphFrame& frame, double y) {
  return frame.bottom - frame.height * y_fraction(frame, y);
}

double world_x(const GraphFrame& frame, double x) {
  return world_at((x - frame.left) / frame.width, frame.x_scale, frame.x_min, frame.x_max);
}

double world_y(const GraphFrame& frame, double y) {
  return world_at((frame.bottom - y) / frame.height, frame.y_scale, frame.y_min, frame.y_max);
}

void share_x_logarithm(const GraphFrame& from, GraphFrame& to) {
  to.x_logs.value = from.x_logs.value;
  to.x_logs.log = from.x_logs.log;
}

int map_y_linear(const GraphFrame& frame, double y) {
  const double t = linear_fraction(y, frame.y_min, frame.y_max);
  return round_to_screen(frame.bottom - frame.height * t);
}

}  // namespace tessaly::graph
