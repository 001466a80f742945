#include "graph/sweep.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "graph/labels.h"
#include "graph/mapping.h"
#include "graph_fixture.h"

namespace tessaly::graph {
namespace {

int model_calls = 0;
double first_omega = 0.0;

void count_call(Complex s) {
  if (model_calls == 0) first_omega = s.im;
  ++model_calls;
}

// A parallel RC: |Z| falls, the phase runs from 0 to -90 degrees.
Complex parallel_rc(const Components&, int, Complex s) {
  count_call(s);
  const Complex y(1.0 / 1000.0, s.im * 1e-6);
  return 1.0 / y;
}

// Series R, L, C: its admittance traces a circle through the origin.
Complex series_rlc(const Components&, int, Complex s) {
  count_call(s);
  const double w = s.im;
  return Complex(10.0, w * 0.01 - 1.0 / (w * 1e-6));
}

// A reactance that changes sign once, at 1000 Hz.
Complex crossing_at_1000(const Components&, int, Complex s) {
  count_call(s);
  return Complex(1.0, s.im - 6.2831854 * 1000.0);
}

class Sweep : public testing::GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    model_calls = 0;
    first_omega = 0.0;
    GraphSettings& s = g.graph_settings;
    s.sweep_start = 10.0;
    s.sweep_stop = 100000.0;
    s.point_count = 500;
    s.magnitude_min = 0.1;
    s.magnitude_max = 1000.0;
    s.phase_min = -90.0;
    s.phase_max = 90.0;
    s.pen_width = 1;
    s.curve_number = 1;
    std::strcpy(s.tag, "(Ombra)");
  }

  // Dots of a curve drawn in the colour with the drivers' pen width 1 (grid dots are width 0).
  int curve_points(int colour) const {
    const std::string tail = " " + std::to_string(colour) + " 1 13";
    int n = 0;
    for (const std::string& line : starting_with("point ")) {
      if (line.size() > tail.size() &&
          line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
        ++n;
    }
    return n;
  }

  void linear(double start, double stop, int intervals) {
    g.graph_settings.sweep_start = start;
    g.graph_settings.sweep_stop = stop;
    g.graph_settings.point_count = intervals;
  }
};

TEST_F(Sweep, LogarithmicPointsOfTheOmbraDefaults) {
  sweep_and_plot(g, session, 119, parallel_rc, g.graph_settings);
  EXPECT_DOUBLE_EQ(g.last_sweep.step, std::pow(10.0, 4.0 / 500.0));
  EXPECT_NEAR(g.last_sweep.step, 1.018591, 1e-6);
  EXPECT_EQ(g.last_sweep.points, 501);  // the last product lands at or below 100000
  EXPECT_EQ(model_calls, g.last_sweep.points);
  EXPECT_EQ(first_omega, 6.2831854 * 10.0);
  EXPECT_DOUBLE_EQ(session.plot_values_1[0],
                   magnitude(1.0 / Complex(1e-3, 6.2831854 * 10.0 * 1e-6)));
  EXPECT_EQ(curve_points(1), 2);                // the first sample of each frame
  EXPECT_EQ(count("clip 64 24 512 180"), 501);  // every point is clipped to its frame
  EXPECT_EQ(g.frame_setup_count, 1);
  EXPECT_EQ(trace().back(), "text 452 25 3 0 1 1 (Ombra)");
}

TEST_F(Sweep, SecondCurveOfAPassKeepsTheFrame) {
  sweep_and_plot(g, session, 119, parallel_rc, g.graph_settings);
  g.graph_settings.curve_number = 2;
  sweep_and_plot(g, session, 119, parallel_rc, g.graph_settings);
  EXPECT_EQ(count("line 64 180 512 180 0 1 0 13"), 1);  // axes drawn once
  EXPECT_EQ(count("text 452 25 3 0 1 1 (Ombra)"), 2);   // the tag after each curve
  EXPECT_EQ(count("point 64 "), 2 * 2);
  EXPECT_EQ(g.frame_setup_count, 2);

  // A curve added without the tag.
  clear();
  sweep_frequency_response(g, session, 119, parallel_rc, g.graph_settings, 4);
  EXPECT_EQ(count("text"), 0);
  EXPECT_EQ(g.frame_setup_count, 2);
}

TEST_F(Sweep, LinearStepsAddUp) {
  linear(1.0, 2000.0, 400);
  g.graph_settings.reactance_min = -60.0;
  g.graph_settings.reactance_max = 60.0;
  sweep_and_plot(g, session, 96, crossing_at_1000, g.graph_settings);
  EXPECT_EQ(g.last_sweep.step, 4.9975);
  EXPECT_EQ(first_omega, 6.2831854);
  EXPECT_EQ(g.last_sweep.points, model_calls);
  EXPECT_EQ(g.last_sweep.points, 401);  // the sum of 400 steps lands just below 2000
  EXPECT_EQ(session.plot_values_1[0], 6.2831854 - 6.2831854 * 1000.0);
  EXPECT_EQ(count("ellipse"), 0);  // kind 96 marks no crossing
}

TEST_F(Sweep, Kind94CirclesTheSignChange) {
  linear(1.0, 2000.0, 400);
  g.graph_settings.reactance_min = -60.0;
  g.graph_settings.reactance_max = 60.0;
  sweep_and_plot(g, session, 94, crossing_at_1000, g.graph_settings);
  const int x = map_x(g.main_frame, 1000.5);  // 1 + 200 x 4.9975: the first point past 1000 Hz
  const int y = map_y(g.main_frame, 0.0);
  EXPECT_EQ(x, 288);
  EXPECT_EQ(y, 176);
  EXPECT_EQ(starting_with("ellipse"), std::vector<std::string>{"ellipse 288 176 3 3 2 1 0"});
  EXPECT_GT(g.main_frame.last_value, 0.0);
}

TEST_F(Sweep, Kind82TracesTheAdmittanceCircle) {
  g.graph_settings.locus_x_min = 0.0;
  g.graph_settings.locus_x_max = 0.1;
  g.graph_settings.locus_y_min = -0.05;
  g.graph_settings.locus_y_max = 0.05;
  sweep_and_plot(g, session, 82, series_rlc, g.graph_settings);
  ASSERT_GT(g.last_sweep.points, 100);
  for (int i = 0; i < g.last_sweep.points; ++i) {
    // Y = 1 / (R + jX) lies on the circle of diameter 1/R from the origin.
    EXPECT_NEAR(std::hypot(session.plot_values_1[i] - 0.05, session.plot_values_2[i]), 0.05, 1e-12)
        << i;
  }
  EXPECT_EQ(curve_points(1), 1);  // only the first point moves the pen
}

TEST_F(Sweep, KindsWithoutAQuantity) {
  g.graph_settings.delay_min = 0.0;
  g.graph_settings.delay_max = 1.0;
  sweep_and_plot(g, session, 100, parallel_rc, g.graph_settings);
  EXPECT_EQ(model_calls, 0);
  EXPECT_EQ(g.last_sweep.points, 0);
  EXPECT_EQ(count("clip"), 0);
  EXPECT_TRUE(has("text 444 25 3 0 1 1 (Ombra)"));  // any other kind: nudge -6

  clear();
  reset_legend(g);
  clear();
  sweep_and_plot(g, session, 77, parallel_rc, g.graph_settings);
  EXPECT_EQ(model_calls, 501);
  EXPECT_EQ(count("point"), 0);
  EXPECT_EQ(count("line"), 0);
}

TEST_F(Sweep, SweepsThatCannotAdvanceStillEnd) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    int kind;
    double start, stop;
    int intervals;
    int points;
  } cases[] = {
      {119, 1000.0, 1000.0, 500, 1}, {138, 1000.0, 1000.0, 400, 1}, {119, nan, 100.0, 500, 0},
      {119, inf, inf, 500, 1},       {138, inf, inf, 400, 1},       {138, 1.0, 2.0, -4, 1},
      {119, 0.0, 100.0, 500, 1},     {119, 10.0, 100.0, 0, 1},      {119, -10.0, 100.0, 500, 1},
  };
  for (const auto& c : cases) {
    g.frame_setup_count = 1;  // the frame is not the point here
    model_calls = 0;
    linear(c.start, c.stop, c.intervals);
    sweep_frequency_response(g, session, c.kind, parallel_rc, g.graph_settings, 1);
    EXPECT_EQ(model_calls, c.points) << c.kind << " " << c.start << " " << c.stop;
    EXPECT_EQ(g.last_sweep.points, c.points);
  }
}

TEST_F(Sweep, StorageStopsAtTheLastStoredPoint) {
  linear(1.0, 601.0, 600);
  g.graph_settings.magnitude_min = 1.0;
  g.graph_settings.magnitude_max = 1000.0;
  sweep_and_plot(g, session, 138, crossing_at_1000, g.graph_settings);
  EXPECT_EQ(g.last_sweep.points, 601);
  EXPECT_EQ(session.plot_values_2[500],
            std::atan2(6.2831854 * (501.0 - 1000.0), 1.0) * 180.0 / 3.1415927);
  EXPECT_EQ(count("unclip"), 601);  // every point is still drawn
}

TEST_F(Sweep, PhaseUsesTheEightDigitPi) {
  g.upper_frame = g.lower_frame = GraphFrame{};
  SweepPoint point;
  const double& phase = session.plot_values_2[0];
  plot_sweep_point(g, session, 119, Complex(0.0, 5.0), 1.0, 1.0, 1, point);
  EXPECT_LT(phase, 90.0);
  EXPECT_NEAR(phase, 90.0, 1e-5);
  plot_sweep_point(g, session, 119, Complex(0.0, -5.0), 1.0, 1.0, 1, point);
  EXPECT_GT(phase, -90.0);
  EXPECT_GT(phase, -180.0);
  EXPECT_NEAR(phase, -90.0, 1e-5);
  plot_sweep_point(g, session, 119, Complex(-1.0, -0.0), 1.0, 1.0, 1, point);
  EXPECT_LT(phase, -179.9999);  // atan2 of -pi over 3.1415927 stays within -180
  EXPECT_EQ(session.plot_values_1[0], 1.0);
}

}  // namespace
}  // namespace tessaly::graph
