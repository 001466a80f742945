#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "complex/complex.h"

#include "core/session.h"
#include "graph/frame.h"
#include "program_fixture.h"
#include "programs/descriptor.h"
#include "programs/quirn/model.h"

namespace tessaly {
namespace {

using testing::command;
using testing::key;
using testing::setting;

class QuirnDriver : public testing::ProgramTest {};

TEST_F(QuirnDriver, ResistorAtStartUp) {
  render(quirn_program());
  EXPECT_TRUE(has("text 120 4 0 0 1 1 Ｒ素子  インピーダンス周波数特性（リニア）"));
  EXPECT_EQ(session().current_kind, 138);
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
  EXPECT_EQ(session().circuit_index, 4) << "restored";
}

TEST_F(QuirnDriver, LogarithmicAnalysis) {
  render(quirn_program(), {command(303), command(402)});
  EXPECT_EQ(session().current_kind, 119);
  EXPECT_EQ(context().graph_settings.sweep_start, 10.0);
  EXPECT_EQ(context().graph_settings.magnitude_min, 100.0);
  EXPECT_EQ(solid_segments(4), 800);
  EXPECT_TRUE(has("text 522 120 0 0 1 1 容量 ")) << "its own row even alone";
  EXPECT_TRUE(has("text 456 25 3 0 1 1 (Quirn)")) << "no nudge for 119";
}

TEST_F(QuirnDriver, NumbersAboveThreeDrawAllThree) {
  render(quirn_program(), {key('9')});
  EXPECT_TRUE(has("text 88 4 0 0 1 1 Ｒ、Ｃ、Ｌ素子  インピーダンス周波数特性（リニア）"));
  EXPECT_EQ(solid_segments(4), 800);
  EXPECT_EQ(session().circuit_index, 9);
}

// Resistor segments in the magnitude frame (y 24 to 180) at screen height y.
int resistor_segments_at(const std::vector<std::string>& lines, int y) {
  const std::string tail = " " + std::to_string(y) + " 1 1 0 13";
  int count = 0;
  for (const std::string& l : lines) {
    if (l.compare(0, 5, "line ") == 0 && l.size() > tail.size() &&
        l.compare(l.size() - tail.size(), tail.size(), tail) == 0) {
      ++count;
    }
  }
  return count;
}

TEST_F(QuirnDriver, StepsMoveEveryElementByHalfItsBase) {
  render(quirn_program(), {command(304), command(501)});
  EXPECT_EQ(session().step_count, 1.0);
  const char* const stepped_up[] = {"text 528 56 1 0 1 1 450 ", "text 528 104 2 0 1 1 2.25 ",
                                    "text 528 152 4 0 1 1 22.5u"};
  for (const char* legend : stepped_up) EXPECT_TRUE(has(legend)) << legend;
  EXPECT_EQ(resistor_segments_at(lines_, 110), 400) << "|Z| of 450 is drawn, not only printed";
  // Two steps down reach zero: the base value stands in rather than no element at all.
  render(quirn_program(), {command(502), command(502)});
  EXPECT_TRUE(has("text 528 56 1 0 1 1 300 "));
  render(quirn_program(), {command(501), command(503)});
  EXPECT_EQ(session().step_count, 0.0);
  EXPECT_TRUE(has("text 528 56 1 0 1 1 300 "));
}

TEST_F(QuirnDriver, CircuitDialogSetsTheElementValues) {
  // Edits L, C, R in the order of the shared dialog's labels.
  render(quirn_program(), {command(304), setting("circuit_constants", {"3", "3e-5", "-500"})});
  const char* const legends[] = {"text 528 56 1 0 1 1 500 ", "text 528 104 2 0 1 1 3.00 ",
                                 "text 528 152 4 0 1 1 30.0u"};
  for (const char* legend : legends) EXPECT_TRUE(has(legend)) << legend;
  // |Z| of 500 on the linear axis from 0 (y 180) to 1000 (y 24).
  EXPECT_EQ(resistor_segments_at(lines_, 102), 400);
  render(quirn_program());
  EXPECT_EQ(resistor_segments_at(lines_, 133), 400) << "300 by default";

  render(quirn_program(), {setting("circuit_constants", {"3", "3e-5", "500"})});
  const Complex s(0.0, 6.2831854 * 10.0);
  EXPECT_DOUBLE_EQ(quirn::model_evaluate(session().components, 2, s).im, 6.2831854 * 10.0 * 3.0);
  EXPECT_DOUBLE_EQ(quirn::model_evaluate(session().components, 3, s).im,
                   -1.0 / (6.2831854 * 10.0 * 3e-5));
}

TEST_F(QuirnDriver, GraphDialogEditsTheRowOfTheSelectedAnalysis) {
  const interaction::Step edit = setting("graph_constants", {"20", "80", "10", "500", "100"});
  render(quirn_program(), {command(402), edit});
  EXPECT_EQ(context().graph_settings.sweep_start, 20.0);
  EXPECT_EQ(context().graph_settings.sweep_stop, 80.0);
  EXPECT_EQ(context().graph_settings.magnitude_min, 10.0);
  EXPECT_EQ(context().graph_settings.magnitude_max, 500.0);
  EXPECT_EQ(context().graph_settings.point_count, 100);
  // The resistor's curve starts at 20 Hz, |Z| 300, on axes widened to whole decades: 10 to
  // 100 Hz across 448 units, 10 to 1000 ohms up 156.
  EXPECT_TRUE(has("line 199 65 199 65 1 1 0 13"));

  render(quirn_program(), {command(402), edit, command(401)});
  EXPECT_EQ(context().graph_settings.sweep_start, 1.0) << "the linear analysis keeps its row";
  EXPECT_EQ(context().graph_settings.sweep_stop, 100.0);
  EXPECT_EQ(context().graph_settings.magnitude_min, 1.0);
  EXPECT_EQ(context().graph_settings.magnitude_max, 1000.0);
  EXPECT_EQ(solid_segments(1), 800);
  render(quirn_program(), {command(402), edit, command(401), command(402)});
  EXPECT_EQ(context().graph_settings.sweep_start, 20.0);
  EXPECT_EQ(context().graph_settings.point_count, 100);
}

}  // namespace
}  // namespace tessaly
