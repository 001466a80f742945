// The algorithm and constants of fdlibm's atan and atan2, whose notice follows.
// ====================================================
// Copyright (C) 1993 by Sun Microsystems, Inc. All rights reserved.
//
// Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this
// software is freely granted, provided that this notice
// is preserved.
// ====================================================
#include "complex/arc_tangent.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tessaly {

namespace {

constexpr double kPi = 3.1415926535897931160E+00;
constexpr double kPiLow = 1.2246467991473531772E-16;

// atan of 0.5, 1, 1.5 and infinity, each as a high and a low part.
constexpr double kAtanHigh[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                9.82793723247329054082e-01, 1.57079632679489655800e+00};
constexpr double kAtanLow[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                               1.39033110312309984516e-17, 6.12323399573676603587e-17};
constexpr double kAtanSeries[] = {
    3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
    -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
    6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
    -3.65315727442169155270e-02, 1.62858201153657823623e-02,
};

std::uint64_t bits_of(double x) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

std::uint32_t high_word(double x) {
  return static_cast<std::uint32_t>(bits_of(x) >> 32);
}

std::uint32_t low_word(double x) {
  return static_cast<std::uint32_t>(bits_of(x));
}

double arc_tangent(double x) {
  std::uint32_t ix = high_word(x);
  const bool negative = (ix >> 31) != 0;
  ix &= 0x7fffffff;
  if (ix >= 0x44100000) {  // |x| >= 2^66
    if (std::isnan(x)) return x;
    const double z = kAtanHigh[3] + 0x1p-120f;
    return negative ? -z : z;
  }
  int id = -1;
  if (ix < 0x3fdc0000) {            // |x| < 0.4375
    if (ix < 0x3e400000) return x;  // |x| < 2^-27
  } else {
    x = std::fabs(x);
    if (ix < 0x3ff30000) {    // |x| < 1.1875
      if (ix < 0x3fe60000) {  // 7/16 <= |x| < 11/16
        id = 0;
        x = (2.0 * x - 1.0) / (2.0 + x);
      } else {  // 11/16 <= |x| < 19/16
        id = 1;
        x = (x - 1.0) / (x + 1.0);
      }
    } else if (ix < 0x40038000) {  // |x| < 2.4375
      id = 2;
      x = (x - 1.5) / (1.0 + 1.5 * x);
    } else {  // 2.4375 <= |x| < 2^66
      id = 3;
      x = -1.0 / x;
    }
  }
  const double* a = kAtanSeries;
  const double z = x * x;
  const double w = z * z;
  // The series split into its odd and even terms.
  const double s1 = z * (a[0] + w * (a[2] + w * (a[4] + w * (a[6] + w * (a[8] + w * a[10])))));
  const double s2 = w * (a[1] + w * (a[3] + w * (a[5] + w * (a[7] + w * a[9]))));
  if (id < 0) return x - x * (s1 + s2);
  const double r = kAtanHigh[id] - (x * (s1 + s2) - kAtanLow[id] - x);
  return negative ? -r : r;
}

}  // namespace

double portable_atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  std::uint32_t ix = high_word(x);
  const std::uint32_t lx = low_word(x);
  std::uint32_t iy = high_word(y);
  const std::uint32_t ly = low_word(y);
  if (((ix - 0x3ff00000) | lx) == 0) return arc_tangent(y);     // x = 1
  const std::uint32_t m = ((iy >> 31) & 1) | ((ix >> 30) & 2);  // 2 sign(x) + sign(y)
  ix &= 0x7fffffff;
  iy &= 0x7fffffff;

  if ((iy | ly) == 0) {
    switch (m) {
      case 0:
      case 1:
        return y;
      case 2:
        return kPi;
      default:
        return -kPi;
    }
  }
  if ((ix | lx) == 0) return (m & 1) ? -kPi / 2 : kPi / 2;
  if (ix == 0x7ff00000) {
    if (iy == 0x7ff00000) {
      switch (m) {
        case 0:
          return kPi / 4;
        case 1:
          return -kPi / 4;
        case 2:
          return 3 * kPi / 4;
        default:
          return -3 * kPi / 4;
      }
    }
    switch (m) {
      case 0:
        return 0.0;
      case 1:
        return -0.0;
      case 2:
        return kPi;
      default:
        return -kPi;
    }
  }
  // |y / x| > 2^64
  if (ix + (64 << 20) < iy || iy == 0x7ff00000) return (m & 1) ? -kPi / 2 : kPi / 2;

  // atan(|y / x|) without a spurious underflow
  const double z = ((m & 2) && iy + (64 << 20) < ix) ? 0.0 : arc_tangent(std::fabs(y / x));
  switch (m) {
    case 0:
      return z;
    case 1:
      return -z;
    case 2:
      return kPi - (z - kPiLow);
    default:
      return (z - kPiLow) - kPi;
  }
}

}  // namespace tessaly
