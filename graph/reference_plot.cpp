#include "graph/reference_plot.h"

#include <algorithm>
#include <cmath>

#include "complex/hypot.h"
#include "graph/kind_traits.h"
#include "graph/mapping.h"
#include "graph/plotting.h"
#include "graph/sweep.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

// Dashes measured along the line in logical pixels, so that they stay dashes however densely
// the sweep placed its points.
constexpr double kDashOn = 8.0;
constexpr double kDashCycle = 13.0;
// Only values far outside the frame make longer pieces; they are drawn whole and clipped.
constexpr double kLongestDashedPiece = 4096.0;

bool frame_shows(const GraphFrame& frame, double x, double y) {
  return std::isfinite(x) && std::isfinite(y) && (frame.x_scale != kLogarithmicScale || x > 0.0) &&
         (frame.y_scale != kLogarithmicScale || y > 0.0);
}

// One dashed line through a frame, broken wherever a value has no place in it.
class Polyline {
 public:
  Polyline(Context& g, GraphFrame& frame) : g_(g), frame_(frame) {
    saved_style_ = frame.pen_style;
    saved_width_ = frame.pen_width;
    frame.pen_style = 0;
    frame.pen_width = 1;
  }
  ~Polyline() {
    frame_.pen_style = saved_style_;
    frame_.pen_width = saved_width_;
  }
  Polyline(const Polyline&) = delete;
  Polyline& operator=(const Polyline&) = delete;

  void extend(double x, double y) {
    if (!frame_shows(frame_, x, y)) {
      pen_down_ = false;
      return;
    }
    const int sx = map_x(frame_, x);
    const int sy = map_y(frame_, y);
    if (pen_down_) {
      g_.surface.set_clip_to_frame(frame_.left, frame_.bottom, frame_.width, frame_.height);
      dashed_segment(last_x_, last_y_, sx, sy);
      g_.surface.reset_clip();
    }
    last_x_ = sx;
    last_y_ = sy;
    pen_down_ = true;
  }

 private:
  void piece(int x0, int y0, int x1, int y1) {
    frame_segment(g_, frame_, x0, y0, x1, y1, kReferenceColour, 0);
  }

  // The dash phase runs on from one segment to the next.
  void dashed_segment(int x0, int y0, int x1, int y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length = correctly_rounded_hypot(dx, dy);
    if (length > kLongestDashedPiece) {
      piece(x0, y0, x1, y1);
      return;
    }
    for (double done = 0.0; done < length;) {
      const bool on = phase_ < kDashOn;
      const double step = std::min(length - done, (on ? kDashOn : kDashCycle) - phase_);
      if (on) {
        const double a = done / length;
        const double b = (done + step) / length;
        piece(round_to_screen(x0 + dx * a), round_to_screen(y0 + dy * a),
              round_to_screen(x0 + dx * b), round_to_screen(y0 + dy * b));
      }
      done += step;
      phase_ = std::fmod(phase_ + step, kDashCycle);
    }
  }

  Context& g_;
  GraphFrame& frame_;
  bool pen_down_ = false;
  int last_x_ = 0;
  int last_y_ = 0;
  double phase_ = 0.0;
  int saved_style_;
  int saved_width_;
};

}  // namespace

void draw_stored_curve(Context& g, int kind, const GraphSettings& settings,
                       const StoredCurve& curve) {
  const SweepScale scale = sweep_scale(kind);
  if (scale == SweepScale::kNone) return;
  if (kind_traits(kind).plotted == Plotted::kLocus) {
    Polyline locus(g, g.main_frame);
    for_each_sweep_frequency(scale, settings, [&](double, int i) {
      if (i < curve.count_1 && i < curve.count_2)
        locus.extend(curve.values_1[i], curve.values_2[i]);
    });
  } else if (stacked(kind_traits(kind))) {
    Polyline upper(g, g.upper_frame);
    Polyline lower(g, g.lower_frame);
    for_each_sweep_frequency(scale, settings, [&](double f, int i) {
      if (i < curve.count_1) upper.extend(f, curve.values_1[i]);
      if (i < curve.count_2) lower.extend(f, curve.values_2[i]);
    });
  } else {
    Polyline only(g, g.main_frame);
    for_each_sweep_frequency(scale, settings, [&](double f, int i) {
      if (i < curve.count_1) only.extend(f, curve.values_1[i]);
    });
  }
}

}  // namespace tessaly::graph
