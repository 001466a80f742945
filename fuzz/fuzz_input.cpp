#include "fuzz/fuzz_input.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace tessaly::fuzz {

double FuzzInput::raw_double() {
  std::uint64_t bits = dword();
  bits |= static_cast<std::uint64_t>(dword()) << 32;
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double FuzzInput::telling_double() {
  static const double kTelling[] = {
      0.0,
      -0.0,
      1.0,
      -1.0,
      0.5,
      1e-300,
      DBL_MIN,
      std::numeric_limits<double>::denorm_min(),
      1e300,
      DBL_MAX,
      -DBL_MAX,
      std::numeric_limits<double>::infinity(),
      -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::quiet_NaN(),
      2147483647.0,
      2147483648.0,
      -2147483649.0,
      1e15,
      1e-15,
  };
  constexpr int kTellingCount = sizeof kTelling / sizeof kTelling[0];
  const int pick = byte();
  if (pick < kTellingCount * 8) return kTelling[pick % kTellingCount];
  if (pick < 224) return std::pow(10.0, in_range(-30, 30)) * (pick & 1 ? -1.0 : 1.0);
  if (pick < 240) return static_cast<double>(in_range(-1000, 1000));
  return raw_double();
}

}  // namespace tessaly::fuzz
