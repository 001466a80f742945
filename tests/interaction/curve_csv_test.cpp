#include "interaction/curve_csv.h"
#include "interaction/replay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/session.h"
#include "programs/descriptor.h"

namespace tessaly::interaction {
namespace {

struct Row {
  int point;
  double frequency;
  double value_1;
  double value_2;
};

// The CSV as the renderer makes it, from a window left as the replay left it.
std::vector<Row> csv_rows(HeadlessWindow& window, const std::vector<Step>& steps,
                          std::string* header) {
  DiscardingTarget target;
  replay(window, steps, target);
  std::istringstream csv(curve_csv(window.session, window.graph.last_sweep));
  std::getline(csv, *header);
  std::vector<Row> rows;
  std::string line;
  while (std::getline(csv, line)) {
    Row row{};
    char* end = nullptr;
    row.point = static_cast<int>(std::strtol(line.c_str(), &end, 10));
    row.frequency = std::strtod(end + 1, &end);
    row.value_1 = std::strtod(end + 1, &end);
    row.value_2 = std::strtod(end + 1, &end);
    rows.push_back(row);
  }
  return rows;
}

Step command(int number) {
  Step step;
  step.command = number;
  return step;
}

TEST(CurveCsv, LogarithmicSweepOfTheLastCurve) {
  std::string header;
  HeadlessWindow window(ombra_program());
  const std::vector<Row> rows = csv_rows(window, {}, &header);
  EXPECT_EQ(header, "point,frequency_hz,value_1,value_2");
  ASSERT_EQ(rows.size(), 501u) << "the last product lands at 100 kHz or below";
  const double step = window.graph.last_sweep.step;
  EXPECT_EQ(rows[0].frequency, 10.0);
  EXPECT_EQ(rows[1].frequency, 10.0 * step);
  EXPECT_EQ(rows[2].frequency, 10.0 * step * step) << "repeated multiplication";
  EXPECT_NEAR(rows[500].frequency, 100000.0, 1e-6);
  for (int i = 0; i < 501; i += 50) {
    EXPECT_EQ(rows[i].point, i);
    EXPECT_NEAR(rows[i].frequency, 10.0 * std::pow(10.0, 4.0 * i / 500), 1e-9 * rows[i].frequency);
    // "%.17g" keeps every bit of the stored values.
    EXPECT_EQ(rows[i].value_1, window.session.plot_values_1[i]);
    EXPECT_EQ(rows[i].value_2, window.session.plot_values_2[i]);
  }
  // The values belong to their frequencies: the parallel circuit with R = 1000 at 1 kHz.
  const double w = 6.2831854 * rows[250].frequency;
  const double g = 1.0 / 1000.0;
  const double b = w * 1e-05 - 1.0 / (w * 0.0025);
  EXPECT_NEAR(rows[250].value_1, 1.0 / std::hypot(g, b), 1e-9);
  EXPECT_NEAR(rows[250].value_2, -std::atan2(b, g) * 180.0 / 3.1415927, 1e-9);
}

TEST(CurveCsv, NarrowedLocusAndLinearSweeps) {
  std::string header;
  HeadlessWindow ombra(ombra_program());
  std::vector<Row> rows = csv_rows(ombra, {command(404)}, &header);
  EXPECT_EQ(rows.front().frequency, 800.0) << "the fifth curve's narrowed sweep";
  ASSERT_EQ(rows.size(), 500u) << "rounding carries the 501st product past 1200 Hz";
  EXPECT_GT(rows.back().frequency * ombra.graph.last_sweep.step, 1200.0);

  HeadlessWindow quirn(quirn_program());
  rows = csv_rows(quirn, {command(302)}, &header);
  ASSERT_GE(rows.size(), 400u);
  EXPECT_EQ(rows[1].frequency, 1.0 + 0.2475);
  EXPECT_EQ(rows[2].frequency, 1.0 + 0.2475 + 0.2475) << "repeated addition";
  EXPECT_NEAR(rows[1].value_1, 6.2831854 * rows[1].frequency * 1.5, 1e-9);
}

TEST(CurveCsv, PassesWithoutACurveKeepTheLastOne) {
  std::string header;
  // Velto's circuit 7 has no curve: the stored values stay those of the start-up pass, the
  // single L swept logarithmically from 100 Hz, though the linear analysis is chosen since.
  Step seven;
  seven.kind = Step::Kind::kCharacter;
  seven.character = '7';
  HeadlessWindow window(velto_program());
  const std::vector<Row> rows = csv_rows(window, {seven, command(402)}, &header);
  ASSERT_EQ(rows.size(), 400u);
  EXPECT_EQ(window.graph.graph_settings.sweep_start, 1.0) << "the settings moved on";
  EXPECT_EQ(rows[0].frequency, 100.0);
  EXPECT_NEAR(rows[1].frequency, 100.0 * std::pow(100.0, 1.0 / 400), 1e-9);
  EXPECT_NEAR(rows[0].value_1, 6.2831854 * 100.0 * 0.002533, 1e-12) << "|Z| of the L";
}

}  // namespace
}  // namespace tessaly::interaction
