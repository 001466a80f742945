#include "tools/clipping_backend.h"

#include <algorithm>
#include <cmath>

namespace tessaly::tools {

namespace {

int nearest(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

// Liang-Barsky: narrows [t0, t1] to where p t <= q holds along one edge; false when nothing
// of the segment is left.
bool narrow(double p, double q, double& t0, double& t1) {
  if (p == 0.0) return q >= 0.0;
  const double t = q / p;
  if (p < 0.0) {
    if (t > t1) return false;
    t0 = std::max(t0, t);
  } else {
    if (t < t0) return false;
    t1 = std::min(t1, t);
  }
  return true;
}

}  // namespace

bool ClippingBackend::inside(int x, int y) const {
  return x >= left_ && x <= right_ && y >= top_ && y <= bottom_;
}

void ClippingBackend::line(int x1, int y1, int x2, int y2, int colour, int width, int style,
                           int mode) {
  if (!clipping_ || (inside(x1, y1) && inside(x2, y2))) {
    target_.line(x1, y1, x2, y2, colour, width, style, mode);
    return;
  }
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double t0 = 0.0;
  double t1 = 1.0;
  if (!narrow(-dx, x1 - left_, t0, t1) || !narrow(dx, right_ - x1, t0, t1) ||
      !narrow(-dy, y1 - top_, t0, t1) || !narrow(dy, bottom_ - y1, t0, t1)) {
    return;
  }
  target_.line(nearest(x1 + t0 * dx), nearest(y1 + t0 * dy), nearest(x1 + t1 * dx),
               nearest(y1 + t1 * dy), colour, width, style, mode);
}

void ClippingBackend::point(int x, int y, int colour, int width, int mode) {
  if (!clipping_ || inside(x, y)) target_.point(x, y, colour, width, mode);
}

void ClippingBackend::fill(int x1, int y1, int x2, int y2, int colour) {
  if (clipping_) {
    x1 = std::max(x1, left_);
    y1 = std::max(y1, top_);
    x2 = std::min(x2, right_);
    y2 = std::min(y2, bottom_);
    if (x1 > x2 || y1 > y2) return;
  }
  target_.fill(x1, y1, x2, y2, colour);
}

void ClippingBackend::clip(int left, int top, int right, int bottom) {
  clipping_ = true;
  left_ = left;
  top_ = top;
  right_ = right;
  bottom_ = bottom;
  target_.clip(left, top, right, bottom);
}

void ClippingBackend::unclip() {
  clipping_ = false;
  target_.unclip();
}

}  // namespace tessaly::tools
