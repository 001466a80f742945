#include <gtest/gtest.h>

#include "core/session.h"
#include "graph/frame.h"
#include "program_fixture.h"
#include "programs/descriptor.h"

namespace tessaly {
namespace {

using testing::command;
using testing::key;

class OmbraDriver : public testing::ProgramTest {};

TEST_F(OmbraDriver, ParallelCircuitLegendsQAndResistances) {
  render(ombra_program());
  EXPECT_TRUE(has("text 128 4 0 0 1 1 並列ＬＣＲ回路１インピーダンス周波数特性"));
  EXPECT_EQ(session().current_kind, 119);
  // Q = R / sqrt(L / C) with sqrt(250) = 15.81: one heading, then a row per curve.
  EXPECT_EQ(starting_with("text 522 24 0 0 1 1  Ｑ ").size(), 1u);
  const char* const q_rows[] = {"text 528 40 1 0 1 1 0.63 ", "text 528 56 2 0 1 1 1.90 ",
                                "text 528 72 3 0 1 1 6.32 ", "text 528 88 4 0 1 1 19.0 ",
                                "text 528 104 5 0 1 1 63.2 "};
  for (const char* row : q_rows) EXPECT_TRUE(has(row)) << row;
  // The resistance heading stands in row 14 for kind 119 and is drawn with every curve.
  EXPECT_EQ(starting_with("text 522 248 0 0 1 1 抵抗［Ω］").size(), 5u);
  const char* const r_rows[] = {"text 528 264 1 0 1 1 10.0 ", "text 528 280 2 0 1 1 30.0 ",
                                "text 528 296 3 0 1 1 100 ", "text 528 312 4 0 1 1 300 ",
                                "text 528 328 5 0 1 1 1.00k"};
  for (const char* row : r_rows) EXPECT_TRUE(has(row)) << row;
  // L and C captions in rows 7 and 11 (step 4), in black.
  EXPECT_TRUE(has("text 522 136 0 0 1 1 ｲﾝﾀﾞｸﾀﾝｽ[H]"));
  EXPECT_TRUE(has("text 528 152 0 0 1 1 2.50m"));
  EXPECT_TRUE(has("text 522 200 0 0 1 1 容量 [F]"));
  EXPECT_TRUE(has("text 528 216 0 0 1 1 10.0u"));
  // Five curves of 501 points, each on both frames, and the tag after each.
  for (int colour = 1; colour <= 5; ++colour) EXPECT_EQ(solid_segments(colour), 1002) << colour;
  EXPECT_EQ(starting_with("text 452 25 3 0 1 1 (Ombra)").size(), 5u);
  EXPECT_EQ(session().components.component_r, 1000.0) << "the last curve's resistance";
  EXPECT_EQ(lines_.back(), "alert");
}

TEST_F(OmbraDriver, SeriesCircuitInvertsQ) {
  render(ombra_program(), {command(302)});
  EXPECT_TRUE(has("text 128 4 0 0 1 1 直列ＬＣＲ回路２インピーダンス周波数特性"));
  const char* const rows[] = {"text 528 40 1 0 1 1 52.7 ",  "text 528 56 2 0 1 1 15.8 ",
                              "text 528 72 3 0 1 1 5.27 ",  "text 528 88 4 0 1 1 1.58 ",
                              "text 528 104 5 0 1 1 0.53 ", "text 528 264 1 0 1 1 0.30 ",
                              "text 528 280 2 0 1 1 1.00 ", "text 528 296 3 0 1 1 3.00 ",
                              "text 528 312 4 0 1 1 10.0 ", "text 528 328 5 0 1 1 30.0 "};
  for (const char* row : rows) EXPECT_TRUE(has(row)) << row;
  EXPECT_DOUBLE_EQ(session().components.component_r, 30.0);
}

TEST_F(OmbraDriver, StepsScaleTheCapacitance) {
  render(ombra_program(), {command(501), command(501)});
  EXPECT_EQ(session().components.component_c, 2e-05);
  EXPECT_TRUE(has("text 528 216 0 0 1 1 20.0u"));
  EXPECT_TRUE(has("text 528 40 1 0 1 1 0.89 ")) << "sqrt(L / C) is now sqrt(125)";
  render(ombra_program(), {command(502), command(502)});
  EXPECT_EQ(session().components.component_c, 0.0);
  EXPECT_TRUE(has("text 528 216 0 0 1 1 0 "));
}

TEST_F(OmbraDriver, LocusNarrowsTheSweepOnceQPassesFive) {
  render(ombra_program(), {command(404)});
  // Curves 1 and 2 (Q 0.63, 1.90) start at 10 Hz near the origin; curves 3 to 5 at 800 Hz.
  EXPECT_TRUE(has("point 64 176 1 1 13"));
  EXPECT_TRUE(has("point 64 176 2 1 13"));
  EXPECT_TRUE(has("point 67 168 3 1 13"));
  EXPECT_TRUE(has("point 65 167 4 1 13"));
  EXPECT_TRUE(has("point 64 167 5 1 13"));
  EXPECT_EQ(context().graph_settings.sweep_start, 800.0);
  EXPECT_EQ(context().graph_settings.sweep_stop, 1200.0);
  // Kind 81: one 320-wide frame, captions step by 3, the resistance heading in row 13.
  EXPECT_TRUE(has("text 392 398 0 0 1 1 2000-01-29"));
  EXPECT_TRUE(has("text 394 136 0 0 1 1 ｲﾝﾀﾞｸﾀﾝｽ[H]"));
  EXPECT_TRUE(has("text 394 184 0 0 1 1 容量 [F]"));
  EXPECT_EQ(starting_with("text 394 232 0 0 1 1 抵抗［Ω］").size(), 5u);
  EXPECT_TRUE(starting_with("fill 280").empty()) << "no fo mark on the locus";

  // The next pass starts again from the graph constants.
  render(ombra_program(), {command(404), key(' ')});
  EXPECT_TRUE(has("point 64 176 1 1 13"));
  // The series circuit never narrows.
  render(ombra_program(), {command(404), command(302)});
  EXPECT_EQ(context().graph_settings.sweep_start, 10.0);
}

TEST_F(OmbraDriver, ResonanceMarkByAnalysis) {
  render(ombra_program());
  EXPECT_TRUE(has("fill 280 161 300 175 6"));
  EXPECT_TRUE(has("text 282 160 1 0 1 1 fo"));
  render(ombra_program(), {command(402)});
  EXPECT_TRUE(has("fill 280 305 300 319 6"));
  EXPECT_TRUE(has("text 282 304 1 0 1 1 fo"));
  render(ombra_program(), {command(403)});
  EXPECT_TRUE(has("fill 296 177 316 191 6"));
  EXPECT_TRUE(has("text 298 176 1 0 1 1 fo"));
}

TEST_F(OmbraDriver, CircuitsWithoutAModelKeepTheLastResistance) {
  render(ombra_program(), {key('3')});
  EXPECT_TRUE(has("text 192 4 0 0 1 1 インピーダンス周波数特性")) << "empty circuit name";
  EXPECT_TRUE(has("text 528 40 1 0 1 1 0 ")) << "Q is not computed";
  EXPECT_TRUE(has("text 528 264 1 0 1 1 1.00k"));
  EXPECT_TRUE(has("text 528 328 5 0 1 1 1.00k"));
  EXPECT_EQ(session().circuit_index, 3);
}

TEST_F(OmbraDriver, DialogConstantsDriveTheGraph) {
  interaction::Step constants;
  constants.kind = interaction::Step::Kind::kSetting;
  constants.name = "circuit_constants";
  constants.values = {"0.01", "", "-100"};
  render(ombra_program(), {constants});
  EXPECT_EQ(session().components.component_l, 0.01);
  EXPECT_EQ(session().components.component_c, 0.0) << "an emptied box stores 0";
  EXPECT_EQ(session().components.component_r, 100.0);
  EXPECT_TRUE(has("text 528 152 0 0 1 1 10.0m"));
}

}  // namespace
}  // namespace tessaly
