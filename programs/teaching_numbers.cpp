#include "programs/teaching_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tessaly {

namespace {

constexpr char kPrefixes[] = "fpnum kMGT";  // 10^-15 .. 10^12 in steps of three
constexpr int kLowestPower = -15;
constexpr int kHighestPower = 12;

// Digits after the point that leave three significant ones for a magnitude in [1, 1000)...
int decimals_for(double magnitude) {
  if (magnitude >= 100.0) return 0;
  return magnitude >= 10.0 ? 1 : 2;
}

// ...after rounding to three digits, so that 9.996 prints "10.0", not "10.00".
double rounded_to_three(double magnitude) {
  if (magnitude == 0.0) return 0.0;
  const int digits = 2 - static_cast<int>(std::floor(std::log10(magnitude)));
  const double factor = std::pow(10.0, digits);
  return std::round(magnitude * factor) / factor;
}

}  // namespace

double three_digits(double value) {
  if (!std::isfinite(value)) return value;
  return value < 0.0 ? -rounded_to_three(-value) : rounded_to_three(value);
}

int format_with_prefix(char* out, std::size_t capacity, double value) {
  if (!std::isfinite(value) || value == 0.0) return format_plain(out, capacity, value);
  const double sign = value < 0.0 ? -1.0 : 1.0;
  double m = rounded_to_three(sign * value);
  int power = 0;
  while (m >= 1000.0 && power < kHighestPower) {
    m = rounded_to_three(m / 1000.0);
    power += 3;
  }
  while (m < 1.0 && power > kLowestPower) {
    m = rounded_to_three(m * 1000.0);
    power -= 3;
  }
  return std::snprintf(out, capacity, "%.*f%c", decimals_for(m), sign * m,
                       kPrefixes[(power - kLowestPower) / 3]);
}

int format_plain(char* out, std::size_t capacity, double value) {
  if (!std::isfinite(value)) return std::snprintf(out, capacity, "%s", "―");
  const double m = rounded_to_three(std::fabs(value));
  if (m == 0.0) return std::snprintf(out, capacity, "0");
  const int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(m))));
  return std::snprintf(out, capacity, "%.*f", decimals, value < 0.0 ? -m : m);
}

}  // namespace tessaly
