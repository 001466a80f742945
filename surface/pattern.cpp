#include <cstdint>
#include <cstdlib>

#include "surface/surface.h"

namespace tessaly::surface {

namespace {

bool dot_on(int pattern, std::uint64_t step) {
  return (pattern >> (15 - static_cast<int>(step % 16))) & 1;
}

}  // namespace

// A line whose ends coincide is its single first dot.
void Surface::pattern_line(int x1, int y1, int x2, int y2, int colour, int width, int pattern) {
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  const int n = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
  if (n == 0) {
    if (dot_on(pattern, 0)) plot_point(x1, y1, colour, width, kCopyPen);
    return;
  }
  for (int i = 0; i <= n; ++i) {
    if (!dot_on(pattern, static_cast<std::uint64_t>(i))) continue;
    const double t = static_cast<double>(i) / n;
    plot_point(static_cast<int>(x1 + t * dx), static_cast<int>(y1 + t * dy), colour, width,
               kCopyPen);
  }
}

// Slots other than 0 and 1 have no state and draw nothing.
void Surface::pattern_curve_point(int x1, int y1, int x2, int y2, int colour, int width,
                                  int pattern, int slot) {
  if (slot < 0 || slot > 1) return;
  PatternSlot& s = slots_[slot];
  if (s.calls == 0) {
    s.last_x = x1;
    s.last_y = y1;
  }
  if (x2 != s.last_x || y2 != s.last_y) {
    s.last_x = x1;
    s.last_y = y1;
    if (dot_on(pattern, s.dots)) plot_point(x1, y1, colour, width, kCopyPen);
    ++s.dots;
  }
  ++s.calls;
}

}  // namespace tessaly::surface
