#include "complex/complex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tessaly {
namespace {

TEST(Complex, MixedOperationsKeepTheirOperandOrder) {
  const Complex z{3.0, 4.0};
  EXPECT_EQ((z + Complex{1.0, -1.0}).re, 4.0);
  EXPECT_EQ((z + Complex{1.0, -1.0}).im, 3.0);
  EXPECT_EQ((2.0 + z).re, 5.0);
  EXPECT_EQ((z + 2.0).im, 4.0);
  EXPECT_EQ((z * 2.0).im, 8.0);
  EXPECT_EQ((2.0 * z).re, 6.0);
  EXPECT_EQ(Complex(7.0).im, 0.0);
  EXPECT_EQ(magnitude(z), 5.0);
}

TEST(Complex, RealOverComplexIsTheReciprocalWithoutChecks) {
  const double w = 6.2831854 * 100.0;
  const double c = 1e-05;
  const Complex z = 1.0 / Complex{0.0, w * c};
  EXPECT_DOUBLE_EQ(z.im, -1.0 / (w * c));
  EXPECT_EQ(z.re, 0.0);
  testing::internal::CaptureStdout();
  const Complex nan = 1.0 / Complex{0.0, 0.0};
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(std::isnan(nan.re));
  EXPECT_TRUE(std::isnan(nan.im));
}

TEST(Complex, MagnitudeAndArgumentAtTheEdges) {
  EXPECT_TRUE(std::isfinite(magnitude(Complex{1e200, 1e200})));
  EXPECT_NEAR(magnitude(Complex{1e200, 1e200}), 1.4142135623730951e200, 1e186);
  EXPECT_DOUBLE_EQ(argument(Complex{-1.0, 0.0}), M_PI);
  EXPECT_DOUBLE_EQ(argument(Complex{0.0, -1.0}), -M_PI / 2);
}

TEST(Complex, ByValueFamily) {
  using namespace by_value;
  const Complex a{1.0, 2.0};
  const Complex b{3.0, -1.0};
  const Complex product = multiply(a, b);
  EXPECT_EQ(product.re, 5.0);
  EXPECT_EQ(product.im, 5.0);
  const Complex quotient = divide(product, b);
  EXPECT_DOUBLE_EQ(quotient.re, 1.0);
  EXPECT_DOUBLE_EQ(quotient.im, 2.0);
  EXPECT_EQ(subtract(a, b).re, -2.0);
  EXPECT_EQ(negate(a).im, -2.0);
  EXPECT_EQ(from_real(4.0).im, 0.0);
  const Complex e = exponential(Complex{0.0, M_PI / 2});
  EXPECT_NE(e.re, 0.0);  // cos(pi/2) in doubles is about 6e-17
  EXPECT_NEAR(e.re, 6.123233995736766e-17, 1e-30);
  EXPECT_DOUBLE_EQ(e.im, 1.0);
}

TEST(Complex, ByValueDivisionByZeroReportsOnceAndCarriesOn) {
  testing::internal::CaptureStdout();
  const Complex z = by_value::divide(Complex{1.0, 1.0}, Complex{0.0, 0.0});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), " *****  divided by zero error !!!\n");
  EXPECT_FALSE(std::isfinite(z.re));
  testing::internal::CaptureStdout();
  by_value::divide(Complex{1.0, 1.0}, Complex{NAN, 0.0});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), " *****  divided by zero error !!!\n");
  testing::internal::CaptureStdout();
  by_value::divide(Complex{1.0, 1.0}, Complex{1e-200, 0.0});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), " *****  divided by zero error !!!\n")
      << "1e-200 squared underflows to zero";
}

}  // namespace
}  // namespace tessaly
