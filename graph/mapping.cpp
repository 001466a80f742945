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

// The logarithms of an axis' ends, kept while the ends stay the same. A curve maps thousands
// of points against the same ends, and log10 is most of the cost of mapping a point. Equal
// arguments give equal logarithms, so the results are the very same doubles.
struct LogEnds {
  double min = 1.0;
  double max = 1.0;
  double log_min = 0.0;
  double log_max = 0.0;
};

// The last value and its logarithm: a stacked graph maps every frequency twice, once per frame.
struct LogValue {
  double value = 1.0;
  double log = 0.0;
};

double log_of(LogValue& last, double v) {
  if (v != last.value) last = LogValue{v, std::log10(v)};
  return last.log;
}

double log_fraction(LogEnds& ends, LogValue& last, double v, double min, double max) {
  if (min != ends.min || max != ends.max) {
    ends = LogEnds{min, max, std::log10(min), std::log10(max)};
  }
  return (log_of(last, v) - ends.log_min) / (ends.log_max - ends.log_min);
}

LogEnds x_ends;
LogEnds y_ends;
LogValue last_x;
LogValue last_y;

double linear_fraction(double v, double min, double max) {
  return (v - min) / (max - min);
}

double x_fraction(const GraphFrame& frame, double x) {
  return frame.x_scale == 3 ? log_fraction(x_ends, last_x, x, frame.x_min, frame.x_max)
                            : linear_fraction(x, frame.x_min, frame.x_max);
}

double y_fraction(const GraphFrame& frame, double y) {
  return frame.y_scale == 3 ? log_fraction(y_ends, last_y, y, frame.y_min, frame.y_max)
                            : linear_fraction(y, frame.y_min, frame.y_max);
}

// The world value at fraction t of the way from min to max on a scale.
double world_at(double t, int scale, double min, double max) {
  if (scale != 3) return min + t * (max - min);
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

int map_y_linear(const GraphFrame& frame, double y) {
  const double t = linear_fraction(y, frame.y_min, frame.y_max);
  return round_to_screen(frame.bottom - frame.height * t);
}

}  // namespace tessaly::graph
