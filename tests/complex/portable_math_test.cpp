// The shared hypot and atan2 give fixed bits whatever the C library: rounding cases where a
// libm's own hypot is a unit off, exact roots, scaling at the ends of the range, and the
// special values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "complex/arc_tangent.h"
#include "complex/hypot.h"

namespace tessaly {
namespace {

TEST(CorrectlyRoundedHypot, NearestDoubleOfTheExactRoot) {
  // sqrt(1018) rounds down; glibc 2.36 returns the double above.
  EXPECT_EQ(correctly_rounded_hypot(17.0, 27.0), 0x1.fe7f6f939a553p+4);
  EXPECT_EQ(correctly_rounded_hypot(-0x1.1ecdec9134b72p-45, -0x1.eb952d8a4a7b6p-45),
            0x1.1c90cb858e984p-44);
  EXPECT_EQ(correctly_rounded_hypot(3.0, 4.0), 5.0);
  EXPECT_EQ(correctly_rounded_hypot(-5.0, 12.0), 13.0);
  EXPECT_EQ(correctly_rounded_hypot(0.0, -2.5), 2.5);
  // Far outside the unscaled range, the same digits at another power of two.
  EXPECT_EQ(correctly_rounded_hypot(3e300, 4e300), 5e300);
  EXPECT_EQ(correctly_rounded_hypot(17.0 * 0x1p-1060, 27.0 * 0x1p-1060),
            0x1.fe7f6f939a553p+4 * 0x1p-1060);
  EXPECT_EQ(correctly_rounded_hypot(0x1p1023, 0x1p1023), 0x1.6a09e667f3bcdp+1023);
  EXPECT_EQ(correctly_rounded_hypot(1.0, 0x1p-70), 1.0);
  EXPECT_EQ(correctly_rounded_hypot(std::numeric_limits<double>::quiet_NaN(), INFINITY), INFINITY);
  EXPECT_TRUE(std::isnan(correctly_rounded_hypot(std::numeric_limits<double>::quiet_NaN(), 1.0)));
}

TEST(PortableAtan2, QuadrantsAndSpecialValues) {
  const double pi = 3.1415926535897931160;
  EXPECT_EQ(portable_atan2(1.0, 1.0), pi / 4);
  EXPECT_EQ(portable_atan2(0.0, -1.0), pi);
  EXPECT_EQ(portable_atan2(-0.0, -1.0), -pi);
  EXPECT_EQ(portable_atan2(1.0, 0.0), pi / 2);
  EXPECT_EQ(portable_atan2(-1.0, 0.0), -pi / 2);
  EXPECT_EQ(portable_atan2(INFINITY, -INFINITY), 3 * pi / 4);
  EXPECT_TRUE(std::signbit(portable_atan2(-0.0, 1.0)));
  EXPECT_TRUE(std::isnan(portable_atan2(std::numeric_limits<double>::quiet_NaN(), 1.0)));
  // Within a unit of the libm's value everywhere, and the same in every quadrant's mirror.
  for (double y = -3.0; y <= 3.0; y += 0.37) {
    for (double x = -3.0; x <= 3.0; x += 0.41) {
      EXPECT_NEAR(portable_atan2(y, x), std::atan2(y, x), 4e-16 * std::fabs(std::atan2(y, x)))
          << y << " " << x;
      EXPECT_EQ(portable_atan2(-y, x), -portable_atan2(y, x));
    }
  }
}

}  // namespace
}  // namespace tessaly
