#include <gtest/gtest.h>

#include <cmath>

#include "core/session.h"
#include "programs/descriptor.h"
#include "programs/ombra/model.h"
#include "programs/quirn/model.h"
#include "programs/quirn/tables.h"
#include "programs/velto/model.h"

namespace tessaly {
namespace {

constexpr double kTwoPi = 6.2831854;

class Models : public testing::Test {
 protected:
  void at(double f) { s_value = Complex(0.0, kTwoPi * f); }
  static double phase(Complex z) { return std::atan2(z.im, z.re) * 180.0 / 3.1415927; }

  Components parts;
  int circuit_index = 1;
  Complex s_value{};
};

TEST_F(Models, OmbraParallelAndSeriesAtResonanceAndFarAway) {
  parts.component_l = 0.0025;
  parts.component_c = 1e-05;
  parts.component_r = 1000.0;
  const double f0 = 1.0 / (kTwoPi * std::sqrt(parts.component_l * parts.component_c));
  EXPECT_NEAR(f0, 1006.6, 0.1);

  circuit_index = 1;
  at(f0);
  Complex z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_NEAR(z.re, 1000.0, 1e-6);
  EXPECT_NEAR(z.im, 0.0, 1e-6);
  at(1.0);
  z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_NEAR(magnitude(z), kTwoPi * 1.0 * 0.0025, 1e-6);
  EXPECT_NEAR(phase(z), 90.0, 1e-3);
  at(1e7);
  z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_NEAR(magnitude(z), 1.0 / (kTwoPi * 1e7 * 1e-05), 1e-9);
  EXPECT_NEAR(phase(z), -90.0, 1e-3);

  circuit_index = 2;
  parts.component_r = 10.0;
  at(f0);
  z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_EQ(z.re, 10.0);
  EXPECT_NEAR(z.im, 0.0, 1e-9);
  at(1.0);
  EXPECT_NEAR(phase(ombra::model_evaluate(parts, circuit_index, s_value)), -90.0, 0.1);
  at(1e7);
  EXPECT_NEAR(phase(ombra::model_evaluate(parts, circuit_index, s_value)), 90.0, 0.1);

  circuit_index = 3;
  z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_EQ(z.re, 0.0);
  EXPECT_EQ(z.im, 0.0);
}

TEST_F(Models, OmbraFollowsTheOperationOrderBitForBit) {
  parts.component_l = 0.0025;
  parts.component_c = 1e-05;
  parts.component_r = 30.0;
  circuit_index = 1;
  at(1234.5);
  const Complex s = s_value;
  const Complex expected = 1.0 / (((1.0 / 30.0) + 1.0 / (0.0025 * s)) + 1e-05 * s);
  const Complex z = ombra::model_evaluate(parts, circuit_index, s_value);
  EXPECT_EQ(z.re, expected.re);
  EXPECT_EQ(z.im, expected.im);
}

TEST_F(Models, VeltoElementsAndResonances) {
  parts.component_l = 0.002533;
  parts.component_c = 1e-05;
  at(100.0);
  circuit_index = 1;
  EXPECT_NEAR(velto::model_evaluate(parts, circuit_index, s_value).im, 1.5915, 1e-4);
  circuit_index = 2;
  EXPECT_NEAR(velto::model_evaluate(parts, circuit_index, s_value).im, -159.15, 1e-2);

  const double f0 = 1.0 / (kTwoPi * std::sqrt(0.002533 * 1e-05));
  EXPECT_NEAR(f0, 1000.0, 0.01);
  circuit_index = 3;
  at(f0 * 0.99);
  EXPECT_LT(velto::model_evaluate(parts, circuit_index, s_value).im, 0.0);
  at(f0 * 1.01);
  EXPECT_GT(velto::model_evaluate(parts, circuit_index, s_value).im, 0.0);
  circuit_index = 4;
  at(f0 * 0.999);
  EXPECT_GT(velto::model_evaluate(parts, circuit_index, s_value).im, 100.0);
  at(f0 * 1.001);
  EXPECT_LT(velto::model_evaluate(parts, circuit_index, s_value).im, -100.0);
  circuit_index = 5;
  EXPECT_EQ(velto::model_evaluate(parts, circuit_index, s_value).im, 0.0);
  at(0.0);
  circuit_index = 2;
  EXPECT_TRUE(std::isnan(velto::model_evaluate(parts, circuit_index, s_value).im))
      << "omega 0 divides by a zero complex";
}

TEST_F(Models, QuirnElementsAt10And100Hz) {
  const Session quirn = start_session(quirn_program());
  parts.component_r = quirn.circuit_constants[quirn::kResistance];
  parts.component_l = quirn.circuit_constants[quirn::kInductance];
  parts.component_c = quirn.circuit_constants[quirn::kCapacitance];
  circuit_index = 1;
  at(10.0);
  EXPECT_EQ(quirn::model_evaluate(parts, circuit_index, s_value).re, 300.0);
  EXPECT_EQ(quirn::model_evaluate(parts, circuit_index, s_value).im, 0.0);
  circuit_index = 2;
  EXPECT_NEAR(quirn::model_evaluate(parts, circuit_index, s_value).im, 94.2477, 1e-4);
  at(100.0);
  EXPECT_NEAR(quirn::model_evaluate(parts, circuit_index, s_value).im, 942.477, 1e-3);
  circuit_index = 3;
  EXPECT_NEAR(quirn::model_evaluate(parts, circuit_index, s_value).im, -106.103, 1e-3);
  at(10.0);
  EXPECT_NEAR(quirn::model_evaluate(parts, circuit_index, s_value).im, -1061.03, 1e-2);
  const double cross = 1.0 / (kTwoPi * std::sqrt(1.5 * 1.5e-05));
  EXPECT_NEAR(cross, 33.55, 0.01);
  at(cross);
  circuit_index = 2;
  const double xl = quirn::model_evaluate(parts, circuit_index, s_value).im;
  circuit_index = 3;
  EXPECT_NEAR(xl, -quirn::model_evaluate(parts, circuit_index, s_value).im, 1e-6);
  circuit_index = 4;
  EXPECT_EQ(quirn::model_evaluate(parts, circuit_index, s_value).re, 0.0);
}

}  // namespace
}  // namespace tessaly
