#include "complex/hypot.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tessaly {

namespace {

// The rounding error of value², exact by Dekker's splitting: no fused multiply-add, which
// neither the default x86-64 target nor WebAssembly has in hardware.
double square_error(double value, double square) {
  const double split = 134217729.0 * value;  // 2^27 + 1
  const double high = split - (split - value);
  const double low = value - high;
  return ((high * high - square) + 2.0 * high * low) + low * low;
}

// The next double towards zero of a positive finite one.
double next_down(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  --bits;
  std::memcpy(&value, &bits, sizeof bits);
  return value;
}

// The exact sum of a few doubles as a nonoverlapping expansion, smallest part first
// (Shewchuk's grow-expansion); its sign is the sign of its largest part.
class ExactSum {
 public:
  void add(double value) {
    double carry = value;
    int kept = 0;
    for (int i = 0; i < size_; ++i) {
      const double sum = carry + parts_[i];
      const double virtual_part = sum - carry;
      const double error = (carry - (sum - virtual_part)) + (parts_[i] - virtual_part);
      carry = sum;
      if (error != 0.0) parts_[kept++] = error;
    }
    parts_[kept++] = carry;
    size_ = kept;
  }
  // The exact square as two parts.
  void add_square(double value) {
    const double square = value * value;
    add(square);
    add(square_error(value, square));
  }
  void subtract_square(double value) {
    const double square = value * value;
    add(-square);
    add(-square_error(value, square));
  }
  int sign() const {
    for (int i = size_ - 1; i >= 0; --i) {
      if (parts_[i] != 0.0) return parts_[i] > 0.0 ? 1 : -1;
    }
    return 0;
  }

 private:
  double parts_[16] = {};
  int size_ = 0;
};

// Sign of a² + b² − m², m = (low + high) / 2 the midpoint of two neighbouring doubles:
// m² = low² + low·(high − low) + (high − low)² / 4, each term exact at the scale used.
int beyond_midpoint(double a, double b, double low, double high) {
  const double gap = high - low;
  ExactSum sum;
  sum.add_square(a);
  sum.add_square(b);
  sum.subtract_square(low);
  sum.add(-(low * gap));
  sum.add(-(gap * gap * 0.25));
  return sum.sign();
}

// a² + b² − root², to about 100 bits.
double residual(double a, double b, double root) {
  const double aa = a * a;
  const double bb = b * b;
  const double sum = aa + bb;
  const double sum_error =
      (aa - (sum - (sum - aa))) + (bb - (sum - aa)) + square_error(a, aa) + square_error(b, bb);
  const double rr = root * root;
  return (sum - rr) + (sum_error - square_error(root, rr));
}

// True when the residual lies inside the half units on either side of root by more than its
// own error: then root is the nearest double and the exact test is not needed.
// (r ± g/2)² − r² = ±r·g + g²/4, with g the smaller gap.
bool clearly_nearest(double residual, double root) {
  const double gap = root - next_down(root);
  return std::fabs(residual) < root * gap * (1.0 - 0x1p-40);
}

bool even_significand(double value) {
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);
  return std::fmod(std::ldexp(fraction, 53), 2.0) == 0.0;
}

}  // namespace

double correctly_rounded_hypot(double x, double y) {
  if (std::isinf(x) || std::isinf(y)) return INFINITY;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  double big = std::fabs(x);
  double small = std::fabs(y);
  if (big < small) std::swap(big, small);
  // Below 2^-60 of the larger part the smaller one moves the root by far less than half a unit.
  if (small == 0.0 || small < big * 0x1p-60) return big;

  // Within 2^±300 every product below is exact and far from overflow and underflow; outside
  // it both parts are scaled by a power of two first, so that the larger lies in [1, 2).
  int exponent = 1;
  double a = big;
  double b = small;
  if (!(big > 0x1p-300 && big < 0x1p300)) {
    std::frexp(big, &exponent);
    a = std::ldexp(big, 1 - exponent);
    b = std::ldexp(small, 1 - exponent);
  }
  // The root of the rounded sum is off by a unit now and then; one step on the residual
  // mends that, and only a residual too close to a midpoint to tell needs the exact test.
  double root = std::sqrt(a * a + b * b);
  double left = residual(a, b, root);
  if (!clearly_nearest(left, root)) {
    root = std::nextafter(root, left > 0.0 ? INFINITY : 0.0);
    left = residual(a, b, root);
  }
  if (clearly_nearest(left, root)) return exponent == 1 ? root : std::ldexp(root, exponent - 1);
  for (;;) {
    const double up = std::nextafter(root, INFINITY);
    const int above = beyond_midpoint(a, b, root, up);
    if (above > 0 || (above == 0 && !even_significand(root))) {
      root = up;
      continue;
    }
    const double down = next_down(root);
    const int below = beyond_midpoint(a, b, down, root);
    if (below < 0 || (below == 0 && !even_significand(root))) {
      root = down;
      continue;
    }
    break;
  }
  return exponent == 1 ? root : std::ldexp(root, exponent - 1);
}

}  // namespace tessaly
