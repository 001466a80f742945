#include <gtest/gtest.h>

#include "graph/frame.h"
#include "models/program.h"
#include "models/state.h"
#include "program_fixture.h"

namespace tessaly {
namespace {

using testing::command;
using testing::key;

class QuirnDriver : public testing::ProgramTest {};

TEST_F(QuirnDriver, ResistorAtStartUp) {
  render(quirn_program());
  EXPECT_TRUE(has("text 120 4 0 0 1 1 Ｒ素子  インピーダンス周波数特性（リニア）"));
  EXPECT_EQ(current_kind, 138);
  EXPECT_EQ(solid_segments(1), 800);
  EXPECT_EQ(solid_segments(2), 0);
  EXPECT_TRUE(has("text 522 24 0 0 1 1 抵抗 "));
  EXPECT_TRUE(has("text 526 40 0 0 1 1 Ｒ［Ω］"));
  EXPECT_TRUE(has("text 528 56 1 0 1 1 300 "));
  EXPECT_TRUE(has("text 442 25 3 0 1 1 (Quirn)")) << "Quirn's corner nudge for 138";
}

TEST_F(QuirnDriver, AllThreeElementsInRowsZeroThreeSix) {
  render(quirn_program(), {command(304)});
  EXPECT_TRUE(has("text 88 4 0 0 1 1 Ｒ、Ｃ、Ｌ素子  インピーダンス周波数特性（リニア）"));
  EXPECT_EQ(solid_segments(1), 800);
  EXPECT_EQ(solid_segments(2), 800);
  EXPECT_EQ(solid_segments(4), 800);
  const char* const rows[] = {"text 522 24 0 0 1 1 抵抗 ",     "text 528 56 1 0 1 1 300 ",
                              "text 522 72 0 0 1 1 ｲﾝﾀﾞｸﾀﾝｽ",  "text 526 88 0 0 1 1 Ｌ［Ｈ］",
                              "text 528 104 2 0 1 1 1.50 ",    "text 522 120 0 0 1 1 容量 ",
                              "text 526 136 0 0 1 1 Ｃ［Ｆ］", "text 528 152 4 0 1 1 15.0u"};
  for (const char* row : rows) EXPECT_TRUE(has(row)) << row;
  EXPECT_EQ(starting_with("text 442 25 3 0 1 1 (Quirn)").size(), 3u);
  EXPECT_EQ(circuit_index, 4) << "restored";
}

TEST_F(QuirnDriver, LogarithmicAnalysis) {
  render(quirn_program(), {command(303), command(402)});
  EXPECT_EQ(current_kind, 119);
  EXPECT_EQ(graph::graph_settings.sweep_start, 10.0);
  EXPECT_EQ(graph::graph_settings.magnitude_min, 100.0);
  EXPECT_EQ(solid_segments(4), 800);
  EXPECT_TRUE(has("text 522 120 0 0 1 1 容量 ")) << "its own row even alone";
  EXPECT_TRUE(has("text 456 25 3 0 1 1 (Quirn)")) << "no nudge for 119";
}

TEST_F(QuirnDriver, NumbersAboveThreeDrawAllThree) {
  render(quirn_program(), {key('9')});
  EXPECT_TRUE(has("text 88 4 0 0 1 1 Ｒ、Ｃ、Ｌ素子  インピーダンス周波数特性（リニア）"));
  EXPECT_EQ(solid_segments(4), 800);
  EXPECT_EQ(circuit_index, 9);
}

TEST_F(QuirnDriver, StepsLeaveTheGraphAlone) {
  render(quirn_program(), {command(501)});
  EXPECT_EQ(step_count, 1.0);
  EXPECT_TRUE(has("text 528 56 1 0 1 1 300 "));
}

}  // namespace
}  // namespace tessaly
