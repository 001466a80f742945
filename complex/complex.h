// The complex value of the circuit models and the sweep: two doubles, copied by value.
// No operation checks its operands; infinities and NaN flow on.
#pragma once

namespace tessaly {

struct Complex {
  double re = 0.0;
  double im = 0.0;

  constexpr Complex() = default;
  constexpr Complex(double real, double imag) : re(real), im(imag) {}
  constexpr explicit Complex(double real) : re(real), im(0.0) {}
};

constexpr Complex operator+(Complex a, Complex b) {
  return {a.re + b.re, a.im + b.im};
}
constexpr Complex operator+(double x, Complex z) {
  return {x + z.re, z.im};
}
constexpr Complex operator+(Complex z, double x) {
  return {z.re + x, z.im};
}
constexpr Complex operator*(Complex z, double x) {
  return {z.re * x, z.im * x};
}
constexpr Complex operator*(double x, Complex z) {
  return {z.re * x, z.im * x};
}
// Real over complex, written out as the models' only reciprocal; (0, 0) gives NaN parts.
constexpr Complex operator/(double x, Complex z) {
  const double d = z.re * z.re + z.im * z.im;
  return {x * z.re / d, -x * z.im / d};
}

double magnitude(Complex z);  // hypot, correctly rounded: no overflow for large parts
double argument(Complex z);   // atan2(im, re), radians

// The by-value family of the network routines. Only its division reports anything: a zero
// divisor prints a message on standard output and still returns the IEEE result.
namespace by_value {
Complex copy(Complex z);
Complex from_real(double x);
Complex negate(Complex z);
Complex add(Complex a, Complex b);
Complex subtract(Complex a, Complex b);
Complex multiply(Complex a, Complex b);
Complex divide(Complex a, Complex b);
Complex exponential(Complex z);
}  // namespace by_value

constexpr Complex kComplexOne{1.0, 0.0};
constexpr Complex kComplexZero{0.0, 0.0};

}  // namespace tessaly
