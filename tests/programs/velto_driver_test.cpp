#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/session.h"
#include "graph/frame.h"
#include "program_fixture.h"
#include "programs/descriptor.h"
#include "programs/velto/tables.h"

namespace tessaly {
namespace {

using testing::command;
using testing::key;
using testing::setting;

class VeltoDriver : public testing::ProgramTest {
 protected:
  std::vector<double> graph_constant_row(int row) {
    const double* values = session().graph_constants[row];
    return {values, values + kEditableValues};
  }
};

TEST_F(VeltoDriver, SingleInductorAtStartUp) {
  render(velto_program());
  EXPECT_TRUE(has("text 96 4 0 0 1 1 単一Ｌ素子  インピーダンス周波数特性（対数目盛）"));
  EXPECT_EQ(solid_segments(1), 800);
  EXPECT_EQ(session().components.component_l, 0.002533);
  EXPECT_EQ(session().components.component_c, 1e-05);
  // The resonant frequency is printed for a single element too, then the L legend.
  const char* const rows[] = {"text 522 216 0 0 1 1 共振周波数", "text 526 232 0 0 1 1  fo［Ｈｚ］",
                              "text 528 248 0 0 1 1 1.00k",      "text 522 24 0 0 1 1  Ｌ",
                              "text 526 40 0 0 1 1 ［Ｈ］",      "text 528 56 1 0 1 1 2.53m"};
  for (const char* row : rows) EXPECT_TRUE(has(row)) << row;
  EXPECT_TRUE(starting_with("text 522 88").empty()) << "no C legend";
  EXPECT_EQ(context().graph_settings.sweep_start, 100.0);
  EXPECT_EQ(context().graph_settings.point_count, 400);
}

TEST_F(VeltoDriver, SeriesLcWithDashedReferences) {
  render(velto_program(), {command(303)});
  EXPECT_TRUE(has("text 88 4 0 0 1 1 直列ＬＣ素子  インピーダンス周波数特性（対数目盛）"));
  EXPECT_EQ(solid_segments(4), 800) << "the LC curve, solid";
  EXPECT_EQ(solid_segments(1), 0);
  EXPECT_EQ(solid_segments(2), 0);
  EXPECT_GT(pattern_dots(1), 400) << "the single L, dashed";
  EXPECT_GT(pattern_dots(2), 400) << "the single C, dashed";
  const char* const rows[] = {"text 522 24 0 0 1 1  Ｌ",    "text 528 56 1 0 1 1 2.53m",
                              "text 522 88 0 0 1 1  Ｃ",    "text 526 104 0 0 1 1 ［Ｆ］",
                              "text 528 120 2 0 1 1 10.0u", "text 522 216 0 0 1 1 共振周波数",
                              "text 528 248 0 0 1 1 1.00k"};
  for (const char* row : rows) EXPECT_TRUE(has(row)) << row;
  EXPECT_EQ(starting_with("text 452 25 3 0 1 1 (Velto)").size(), 1u) << "one tag: one sweep";
  EXPECT_EQ(session().circuit_index, 3) << "restored after the references";
  EXPECT_EQ(context().graph_settings.pen_style, 4);
  EXPECT_EQ(context().graph_settings.dash_mask, 0xF6F6);
}

TEST_F(VeltoDriver, CurveColourByCircuit) {
  const int colours[] = {1, 2, 4, 5};
  for (int circuit = 1; circuit <= 4; ++circuit) {
    render(velto_program(), {command(300 + circuit)});
    EXPECT_EQ(solid_segments(colours[circuit - 1]), 800) << "circuit " << circuit;
  }
  render(velto_program(), {command(302)});
  EXPECT_TRUE(has("text 528 120 2 0 1 1 10.0u")) << "single C legend";
  EXPECT_TRUE(starting_with("text 522 24").empty()) << "no L legend";
}

TEST_F(VeltoDriver, LinearAnalysesFallBackToTheBaseValues) {
  render(velto_program(), {command(402), command(502), command(502)});
  EXPECT_EQ(session().step_count, -2.0);
  EXPECT_EQ(session().components.component_l, 0.002533) << "0.0 falls back";
  render(velto_program(), {command(402), command(502), command(502), command(502)});
  EXPECT_EQ(session().components.component_l, 0.002533) << "-0.5 x L0 falls back";
  render(velto_program(), {command(402), command(505), command(505), command(505)});
  EXPECT_EQ(session().components.component_c, 1e-05);
  render(velto_program(), {command(402), command(501)});
  EXPECT_DOUBLE_EQ(session().components.component_l, 1.5 * 0.002533);
  EXPECT_EQ(context().graph_settings.sweep_start, 1.0);
  EXPECT_EQ(context().graph_settings.sweep_stop, 2000.0);
  EXPECT_EQ(context().graph_settings.magnitude_max, 60.0);
}

TEST_F(VeltoDriver, LogarithmicAnalysisHalvesAndDoubles) {
  render(velto_program(), {command(502)});
  EXPECT_EQ(session().components.component_l, 0.0012665);
  EXPECT_TRUE(has("text 528 56 1 0 1 1 1.27m"));
  render(velto_program(), {command(504), command(504)});
  EXPECT_EQ(session().components.component_c, 4e-05);
  EXPECT_TRUE(has("text 528 248 0 0 1 1 500 ")) << "f0 halves";
}

TEST_F(VeltoDriver, ReactanceAnalysisUsesItsOwnRange) {
  render(velto_program(), {command(403), command(304)});
  EXPECT_EQ(session().current_kind, 96);
  EXPECT_EQ(context().graph_settings.reactance_min, -60.0);
  EXPECT_EQ(context().graph_settings.reactance_max, 60.0);
  EXPECT_EQ(solid_segments(5), 401) << "one frame, 401 points";
  EXPECT_GT(pattern_dots(1), 0);
}

TEST_F(VeltoDriver, CircuitsBeyondTheTablesDrawFrameAndLegendsOnly) {
  render(velto_program(), {key('7')});
  EXPECT_TRUE(has("text 144 4 0 0 1 1 インピーダンス周波数特性（対数目盛）"));
  EXPECT_TRUE(has("text 520 398 0 0 1 1 2000-01-29"));
  EXPECT_TRUE(has("text 452 25 3 0 1 1 (Velto)"));
  EXPECT_TRUE(has("text 528 248 0 0 1 1 1.00k"));
  for (int colour = 1; colour <= 15; ++colour) {
    EXPECT_EQ(solid_segments(colour) + pattern_dots(colour), 0) << "no curve in " << colour;
  }
  EXPECT_EQ(session().circuit_index, 7);
}

TEST_F(VeltoDriver, CircuitDialogSetsTheBaseValues) {
  // L0 doubled draws what one step up draws on the logarithmic analysis: L = 2 x L0.
  render(velto_program(), {command(501)});
  const std::vector<std::string> stepped = lines_;
  render(velto_program(), {setting("circuit_constants", {"0.005066"})});
  EXPECT_EQ(lines_, stepped);
  EXPECT_EQ(session().components.component_l, 0.005066);
  EXPECT_TRUE(has("text 528 56 1 0 1 1 5.07m"));
  EXPECT_TRUE(has("text 528 248 0 0 1 1 707 ")) << "f0 falls by the square root of two";

  // The linear analyses step from the edited base, and fall back to it.
  render(velto_program(), {command(302), command(402), setting("circuit_constants", {"", "2e-5"}),
                           command(505), command(505)});
  EXPECT_EQ(session().components.component_c, 2e-5);
  EXPECT_TRUE(has("text 528 120 2 0 1 1 20.0u"));
  render(velto_program(), {command(402), setting("circuit_constants", {"", "2e-5"}), command(504)});
  EXPECT_DOUBLE_EQ(session().components.component_c, 3e-5);
  EXPECT_EQ(session().components.component_l, 0.0) << "an emptied box stores 0";
  EXPECT_TRUE(has("text 528 248 0 0 1 1 inf ")) << "no inductance, no resonance";
}

TEST_F(VeltoDriver, GraphDialogEditsTheRowOfTheSelectedAnalysis) {
  render(velto_program(),
         {command(402), setting("graph_constants", {"10", "1000", "1", "100", "200"})});
  EXPECT_EQ(context().graph_settings.sweep_start, 10.0);
  EXPECT_EQ(context().graph_settings.sweep_stop, 1000.0);
  EXPECT_EQ(context().graph_settings.magnitude_min, 1.0);
  EXPECT_EQ(context().graph_settings.magnitude_max, 100.0);
  EXPECT_EQ(context().graph_settings.point_count, 200);
  EXPECT_EQ(solid_segments(1), 400) << "200 intervals in each of two frames";

  render(
      velto_program(),
      {command(402), setting("graph_constants", {"10", "1000", "1", "100", "200"}), command(401)});
  EXPECT_EQ(context().graph_settings.sweep_start, 100.0)
      << "the logarithmic analysis keeps its row";
  EXPECT_EQ(context().graph_settings.sweep_stop, 10000.0);
  EXPECT_EQ(context().graph_settings.magnitude_min, 0.1);
  EXPECT_EQ(context().graph_settings.magnitude_max, 1000.0);
  EXPECT_EQ(solid_segments(1), 800);
  EXPECT_EQ(graph_constant_row(2), (std::vector<double>{10, 1000, 1, 100, 200}));
  EXPECT_EQ(graph_constant_row(3), (std::vector<double>{1, 2000, 60, 60, 400}));

  // The reactance axis runs from minus the stored minimum.
  render(velto_program(), {command(403), setting("graph_constants", {"1", "2000", "-30", "90"})});
  EXPECT_EQ(context().graph_settings.reactance_min, -30.0);
  EXPECT_EQ(context().graph_settings.reactance_max, 90.0);
  EXPECT_EQ(session().graph_constants[3][2], 30.0);
  // -30 to 90, widened to whole steps of 20.
  EXPECT_TRUE(has("text 28 315 0 0 0.9 0.9 -40 "));
  EXPECT_TRUE(has("text 28 20 0 0 0.9 0.9 100 "));
}

}  // namespace
}  // namespace tessaly
