#include "complex/complex.h"

#include <cmath>
#include <cstdio>

#include "complex/arc_tangent.h"
#include "complex/hypot.h"

namespace tessaly {

double magnitude(Complex z) {
  return correctly_rounded_hypot(z.re, z.im);
}
double argument(Complex z) {
  return portable_atan2(z.im, z.re);
}

namespace by_value {

Complex copy(Complex z) {
  return {z.re, z.im};
}
Complex from_real(double x) {
  return {x, 0.0};
}
Complex negate(Complex z) {
  return {-z.re, -z.im};
}
Complex add(Complex a, Complex b) {
  return {a.re + b.re, a.im + b.im};
}
Complex subtract(Complex a, Complex b) {
  return {a.re - b.re, a.im - b.im};
}
Complex multiply(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

Complex divide(Complex a, Complex b) {
  const double d = b.re * b.re + b.im * b.im;
  // An unordered comparison: a NaN divisor counts as zero too.
  if (!(d < 0.0 || d > 0.0)) std::fputs(" *****  divided by zero error !!!\n", stdout);
  return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

Complex exponential(Complex z) {
  const double scale = std::exp(z.re);
  return {scale * std::cos(z.im), scale * std::sin(z.im)};
}

}  // namespace by_value
}  // namespace tessaly
