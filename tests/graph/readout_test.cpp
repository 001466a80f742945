#include "graph/readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "complex/complex.h"
#include "core/session.h"
#include "graph/context.h"
#include "graph/frame.h"
#include "programs/descriptor.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly::graph {
namespace {

constexpr double kTwoPi = 6.2831854;
constexpr double kPi = 3.1415927;

// Ombra's defaults: parallel LCR, five resistances of R0 = 1000 ohm times these factors.
constexpr double kL = 0.0025;
constexpr double kC = 1e-05;
constexpr double kParallelFactors[5] = {0.01, 0.03, 0.1, 0.3, 1.0};

double parallel_magnitude(double r, double f) {
  const double w = kTwoPi * f;
  const double b = w * kC - 1.0 / (w * kL);
  return 1.0 / std::sqrt(1.0 / (r * r) + b * b);
}

double parallel_phase(double r, double f) {
  const double w = kTwoPi * f;
  return -std::atan(r * (w * kC - 1.0 / (w * kL))) * 180.0 / kPi;
}

// Screen positions of the stacked frames of Ombra's first analysis: 10 Hz to 100 kHz over
// 448 units from x = 64; |Z| 0.1 to 1000 ohm and -90 to 90 degrees, 156 units high each.
double log_frequency_x(double f) {
  return 64.0 + 448.0 * (std::log10(f) - 1.0) / 4.0;
}
double magnitude_y(double ohms) {
  return 180.0 - 156.0 * (std::log10(ohms) + 1.0) / 4.0;
}
double phase_y(double degrees) {
  return 352.0 - 156.0 * (degrees + 90.0) / 180.0;
}

std::string text_of(const Readout& readout) {
  char text[256];
  const int length = format_readout(text, sizeof text, readout, text::source_language());
  EXPECT_EQ(length, static_cast<int>(std::string(text).size()));
  return text;
}

class ReadoutTest : public ::testing::Test {
 protected:
  // One window's graph context throughout, as the shell keeps it, so that a pass has to
  // replace what the pass before it left to read.
  void pass(const ProgramDescriptor& program, int circuit, int analysis) {
    session = start_session(program);
    g.corner_nudges = program.corner_nudges;
    session.circuit_index = circuit;
    session.analysis_index = analysis;
    window_pass(session, g, recorder_, 96, 96);
  }

  surface::RecordingBackend recorder_;
  surface::Surface surface;
  Context g{surface};
  Session session;
};

TEST_F(ReadoutTest, OmbraResonanceInBothFrames) {
  pass(ombra_program(), 1, 1);
  ASSERT_EQ(g.readout.curve_count, 5);
  const double f0 = 1.0 / (kTwoPi * std::sqrt(kL * kC));
  // At resonance every curve's |Z| is its resistance: each is found at its own height.
  for (int i = 0; i < 5; ++i) {
    const double r = 1000.0 * kParallelFactors[i];
    const Readout at = readout_at(g, log_frequency_x(f0), magnitude_y(r) + 1.0);
    EXPECT_EQ(at.frame, ReadoutFrame::kUpper);
    EXPECT_NEAR(at.frequency, f0, f0 * 1e-12);
    EXPECT_EQ(at.curve, i);
    EXPECT_EQ(at.colour, i + 1);
    EXPECT_NEAR(at.first, r, r * 1e-9);
    EXPECT_NEAR(at.second, 0.0, 1e-6);
  }
  EXPECT_EQ(text_of(readout_at(g, log_frequency_x(f0), magnitude_y(1000.0) + 1.0)),
            "周波数 1.007k［Ｈｚ］　｜Ｚ｜ 1.000k［Ω］　位相 0.00［度］");
  // Below resonance the phases part: the lower frame picks by the height of the phase.
  const Readout low = readout_at(g, log_frequency_x(500.0), phase_y(parallel_phase(10.0, 500.0)));
  EXPECT_EQ(low.frame, ReadoutFrame::kLower);
  EXPECT_EQ(low.curve, 0);
  EXPECT_NEAR(low.first, parallel_magnitude(10.0, 500.0), 1e-9);
  EXPECT_EQ(text_of(low), "周波数 500.0［Ｈｚ］　｜Ｚ｜ 7.217［Ω］　位相 43.80［度］");
}

TEST_F(ReadoutTest, NothingOutsideThePlotAreasAndNothingDrawn) {
  pass(ombra_program(), 1, 1);
  const double x = log_frequency_x(1000.0);
  // Above, between and below the frames, and beside them.
  for (const double y : {23.9, 188.0, 352.1})
    EXPECT_EQ(readout_at(g, x, y).frame, ReadoutFrame::kNone);
  EXPECT_EQ(readout_at(g, 63.9, 100.0).frame, ReadoutFrame::kNone);
  EXPECT_EQ(readout_at(g, 512.0, 352.0).frame, ReadoutFrame::kLower) << "edges belong to frames";
  EXPECT_EQ(text_of(readout_at(g, 600.0, 240.0)), "");

  const std::size_t drawn = recorder_.lines().size();
  const int circuit = session.circuit_index;
  const double r = session.components.component_r;
  readout_at(g, x, 100.0);
  EXPECT_EQ(recorder_.lines().size(), drawn);
  EXPECT_EQ(session.circuit_index, circuit);
  EXPECT_EQ(session.components.component_r, r);

  // A graph without a curve (Velto's circuit 6) leaves nothing to read.
  pass(velto_program(), 6, 1);
  EXPECT_EQ(g.readout.curve_count, 0);
  EXPECT_EQ(readout_at(g, x, 100.0).frame, ReadoutFrame::kNone);
}

TEST_F(ReadoutTest, QuirnPicksTheNearestElement) {
  pass(quirn_program(), 4, 1);
  window_pass(session, g, recorder_, 96, 96);
  ASSERT_EQ(g.readout.curve_count, 3) << "each pass starts afresh";
  // The axis runs from 0 to 100 Hz over 448 units; 1 to 1000 ohm and -90 to 90 degrees.
  const double x = 64.0 + 448.0 * 50.0 / 100.0;
  const double xl = kTwoPi * 50.0 * 1.5;
  const double xc = 1.0 / (kTwoPi * 50.0 * 1.5e-05);
  const auto height = [](double ohms) { return 180.0 - 156.0 * (ohms - 1.0) / 999.0; };
  EXPECT_EQ(readout_at(g, x, height(300.0) - 10.0).curve, 0);
  EXPECT_EQ(readout_at(g, x, phase_y(80.0)).curve, 1);
  const Readout c = readout_at(g, x, height(xc));
  EXPECT_EQ(c.curve, 2);
  EXPECT_EQ(c.colour, 4);
  EXPECT_NEAR(c.first, xc, 1e-9);
  EXPECT_EQ(text_of(c), "周波数 50.00［Ｈｚ］　｜Ｚ｜ 212.2［Ω］　位相 -90.00［度］");
  EXPECT_NEAR(readout_at(g, x, height(xl) - 5.0).first, xl, 1e-9);
  EXPECT_EQ(session.circuit_index, 4) << "the selection of all three stays";
}

TEST_F(ReadoutTest, OmbraLocusPicksASweptPoint) {
  pass(ombra_program(), 1, 4);
  // 0 to 1200 ohm over 320 units from x = 64, -600 to 600 ohm over 304 units up from 328.
  const auto screen_x = [](double re) { return 64.0 + 320.0 * re / 1200.0; };
  const auto screen_y = [](double im) { return 328.0 - 304.0 * (im + 600.0) / 1200.0; };
  const Readout at = readout_at(g, screen_x(1000.0), screen_y(0.0));
  EXPECT_EQ(at.values, ReadoutValues::kLocus);
  EXPECT_EQ(at.curve, 4);
  // The sharp resonances are swept from 800 to 1200 Hz in 500 steps: the point is the one of
  // them nearest resonance.
  const double step = std::pow(10.0, std::log10(1200.0 / 800.0) / 500.0);
  const double steps = std::log(at.frequency / 800.0) / std::log(step);
  EXPECT_NEAR(steps, std::round(steps), 1e-6);
  const double f0 = 1.0 / (kTwoPi * std::sqrt(kL * kC));
  EXPECT_LT(std::fabs(std::log(at.frequency / f0)), std::log(step));
  const double w = kTwoPi * at.frequency;
  const Complex z = 1.0 / Complex(1.0 / 1000.0, w * kC - 1.0 / (w * kL));
  EXPECT_NEAR(at.first, z.re, 1e-9);
  EXPECT_NEAR(at.second, z.im, 1e-9);
  // Every circle starts and ends at the origin; the far side of the 10 ohm one is its own.
  EXPECT_EQ(readout_at(g, screen_x(10.0), screen_y(0.0)).curve, 0);
}

TEST_F(ReadoutTest, VeltoReactanceBesideItsDashedElements) {
  pass(velto_program(), 3, 3);
  EXPECT_EQ(g.readout.curve_count, 3) << "the LC curve and the dashed L and C";
  // 0 to 2000 Hz over 448 units, -60 to 60 ohm over 304 units up from 328.
  const double reactance = kTwoPi * 1000.0 * 0.002533 - 1.0 / (kTwoPi * 1000.0 * 1e-05);
  const Readout at = readout_at(g, 288.0, 328.0 - 304.0 * (reactance + 60.0) / 120.0);
  EXPECT_EQ(at.curve, 0);
  EXPECT_NEAR(at.first, reactance, 1e-9);
  EXPECT_EQ(text_of(at), "周波数 1.000k［Ｈｚ］　リアクタンス -0.185m［Ω］");
}

TEST(ReadoutText, EveryKindOfValue) {
  Readout r;
  r.frame = ReadoutFrame::kMain;
  r.frequency = 123456.0;
  EXPECT_EQ(text_of(r), "周波数 123.5k［Ｈｚ］") << "no curve: the frequency alone";
  r.curve = 0;
  r.reciprocal = true;
  r.first = 0.00042;
  r.second = -0.004;
  EXPECT_EQ(text_of(r), "周波数 123.5k［Ｈｚ］　｜Ｙ｜ 0.420m［Ｓ］　位相 0.00［度］");
  r.values = ReadoutValues::kLocus;
  r.first = -0.0;
  r.second = -25.5e-3;
  EXPECT_EQ(text_of(r), "周波数 123.5k［Ｈｚ］　実部 0.000［Ｓ］　虚部 -25.50m［Ｓ］");
  r.values = ReadoutValues::kParts;
  r.reciprocal = false;
  r.first = 2.5e6;
  r.second = -HUGE_VAL;
  EXPECT_EQ(text_of(r), "周波数 123.5k［Ｈｚ］　抵抗 2.500M［Ω］　リアクタンス -inf［Ω］");
  // A short buffer keeps what fits, terminated, and tells the whole length.
  char small[8];
  EXPECT_EQ(format_readout(small, sizeof small, r, text::source_language()),
            static_cast<int>(text_of(r).size()));
  EXPECT_EQ(std::string(small).size(), 7u);
}

}  // namespace
}  // namespace tessaly::graph
