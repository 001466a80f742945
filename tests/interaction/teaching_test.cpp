#include "interaction/teaching.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "interaction/prediction_text.h"
#include "interaction/replay.h"
#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/menu.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"

namespace tessaly::interaction {
namespace {

using namespace commands;

// The lines and circles of the marker's colour in a trace.
int marked(const std::vector<std::string>& lines) {
  int count = 0;
  for (const std::string& line : lines) {
    char keyword[16] = {};
    int v[5] = {};
    if (std::sscanf(line.c_str(), "%15s %d %d %d %d %d", keyword, &v[0], &v[1], &v[2], &v[3],
                    &v[4]) == 6 &&
        (std::string(keyword) == "line" || std::string(keyword) == "ellipse") && v[4] == 13) {
      ++count;
    }
  }
  return count;
}

// A window of the program after its start-up paint, with a pass whenever the teaching views
// ask for one, as every front-end does.
class TeachingTest : public ::testing::Test {
 protected:
  explicit TeachingTest(const ProgramDescriptor& program = ombra_program())
      : window_(program), teaching_(window_) {
    paint();
  }

  void paint() {
    surface::NullBackend discard;
    window_pass(window_.session, window_.graph, discard, kScreenDpi, kScreenDpi);
  }

  TeachingOutcome follow(TeachingOutcome outcome) {
    if (outcome.repaint != Repaint::kNone) paint();
    return outcome;
  }

  std::vector<std::string> overlay() {
    surface::RecordingBackend recorder;
    teaching_.draw_overlay(recorder, 1.0);
    return recorder.lines();
  }

  HeadlessWindow window_;
  Teaching teaching_;
};

TEST(Prediction, ReadsNumbersAsStudentsTypeThem) {
  const struct {
    const char* text;
    double value;
  } read[] = {{"1200", 1200.0},   {" 1.2k ", 1200.0},   {"1.2 kHz", 1200.0},
              {"1.2khz", 1200.0}, {"１２００", 1200.0}, {"１．２ｋＨｚ", 1200.0},
              {"2.2e3", 2200.0},  {"470m", 0.47},       {".5", 0.5},
              {"4.7u", 4.7e-6},   {"+3", 3.0},          {"10\xE3\x80\x80Hz", 10.0}};
  for (const auto& r : read) {
    double value = 0.0;
    EXPECT_TRUE(read_prediction(r.text, "Hz", &value)) << r.text;
    EXPECT_DOUBLE_EQ(value, r.value) << r.text;
  }
  for (const char* text : {"", "abc", "1,2", "0", "-5", "1e999", "0x10", "nan", "inf", "1.2.3",
                           "12 apples", "k", ".", "1e", "5 Hz Hz"}) {
    double value = -1.0;
    EXPECT_FALSE(read_prediction(text, "Hz", &value)) << text;
    EXPECT_EQ(value, -1.0) << text;
  }
  double q = 0.0;
  EXPECT_FALSE(read_prediction("2Hz", "", &q)) << "a Q has no unit";
}

TEST_F(TeachingTest, AnExerciseAsksScoresAndGivesTheProgramsValuesBack) {
  const Session before = window_.session;
  ASSERT_TRUE(follow(teaching_.command(kExerciseResonance)).handled);
  EXPECT_TRUE(teaching_.awaits_prediction());
  EXPECT_EQ(teaching_.status().rfind("問題 1：共振周波数 fo", 0), 0u) << teaching_.status();

  // Not a number: asked again with the reason, nothing scored, no pass.
  const TeachingOutcome refused = teaching_.predict_text("abc");
  EXPECT_TRUE(refused.handled);
  EXPECT_EQ(refused.repaint, Repaint::kNone);
  EXPECT_EQ(teaching_.status().rfind("問題 1：「abc」は数として読めません。共振周波数 fo", 0), 0u)
      << teaching_.status();
  EXPECT_TRUE(teaching_.awaits_prediction());
  EXPECT_EQ(teaching_.score().answered, 0);

  // Typed keys build the prediction; Backspace takes back a whole character.
  for (const char* typed : {"1", "２", "x", "0", "0"}) teaching_.key(TeachingKey::kText, typed);
  teaching_.key(TeachingKey::kBackspace);
  teaching_.key(TeachingKey::kBackspace);
  teaching_.key(TeachingKey::kBackspace);
  EXPECT_EQ(teaching_.typed(), "1２");
  teaching_.key(TeachingKey::kText, "0");
  teaching_.key(TeachingKey::kText, "0");
  const double answer = exercise_answer(window_.session, window_.graph);
  ASSERT_EQ(follow(teaching_.key(TeachingKey::kEnter)).repaint, Repaint::kErase);
  EXPECT_FALSE(teaching_.awaits_prediction());
  EXPECT_EQ(teaching_.score().answered, 1);
  EXPECT_EQ(teaching_.score().close, std::abs(percent_error(1200.0, answer)) <= 10.0 ? 1 : 0);
  EXPECT_NE(teaching_.status().find("予想 1.20kHz、誤差 "), std::string::npos)
      << teaching_.status();

  // The next exercise takes the next seed and keeps the score running; Escape leaves.
  follow(teaching_.command(kExerciseResonance));
  EXPECT_EQ(window_.session.teaching.exercise.seed, 2u);
  follow(teaching_.predict_text(std::to_string(exercise_answer(window_.session, window_.graph))));
  EXPECT_EQ(teaching_.score().answered, 2);
  const std::string score = "0.0％　成績 " + std::to_string(teaching_.score().close) + "／2";
  EXPECT_NE(teaching_.status().find(score), std::string::npos) << teaching_.status();
  ASSERT_EQ(follow(teaching_.key(TeachingKey::kEscape)).repaint, Repaint::kErase);
  EXPECT_EQ(teaching_.exercise_kind(), ExerciseKind::kNone);
  EXPECT_EQ(teaching_.status(), "");
  EXPECT_EQ(window_.session.circuit_index, before.circuit_index);
  for (int i = 0; i < kEditableValues; ++i) {
    EXPECT_EQ(window_.session.circuit_constants[i], before.circuit_constants[i]) << i;
  }
}

TEST_F(TeachingTest, TheMarkerFollowsLocksAndLetsGo) {
  const double y = 80.0;  // in the upper frame of the start-up graph
  EXPECT_FALSE(teaching_.pointer_at(200.0, y).handled) << "no marker without the diagram";
  EXPECT_TRUE(teaching_.command(kPhasorDiagram).panel_toggled);
  ASSERT_TRUE(teaching_.pointer_at(200.0, y).overlay_changed);
  const double followed = teaching_.marker().frequency;
  EXPECT_TRUE(teaching_.marker().shown);
  teaching_.click_at(300.0, y);
  EXPECT_TRUE(teaching_.marker_locked());
  const double locked = teaching_.marker().frequency;
  EXPECT_GT(locked, followed);
  EXPECT_FALSE(teaching_.pointer_at(400.0, y).handled);
  EXPECT_EQ(teaching_.marker().frequency, locked);
  // ] and [ choose among the five curves, no further.
  for (int i = 0; i < 9; ++i) teaching_.key(TeachingKey::kText, "]");
  EXPECT_EQ(teaching_.marker().curve, 4);
  teaching_.key(TeachingKey::kText, "[");
  EXPECT_EQ(teaching_.marker().curve, 3);
  // A click outside the frames, or Escape, lets it go.
  teaching_.click_at(5.0, 5.0);
  EXPECT_FALSE(teaching_.marker_locked());
  EXPECT_FALSE(teaching_.marker().shown);
  teaching_.lock_marker_at(1000.0, 2);
  EXPECT_TRUE(teaching_.marker_locked());
  teaching_.key(TeachingKey::kEscape);
  EXPECT_FALSE(teaching_.marker().shown);
}

TEST_F(TeachingTest, TheOverlayDrawsOnlyWhatIsShownAndKeepsNoBackend) {
  EXPECT_TRUE(overlay().empty());
  teaching_.lock_marker_at(1000.0, 0);
  const std::vector<std::string> marker = overlay();
  EXPECT_EQ(marked(marker), 2) << "a line through each frame of the start-up graph";
  teaching_.command(kPhasorDiagram);
  EXPECT_GT(overlay().size(), marker.size() + 10) << "the diagram beside the graph";
  // The overlay's backend is bound for the overlay alone: what the surface draws afterwards
  // does not reach it.
  surface::RecordingBackend recorder;
  teaching_.draw_overlay(recorder, 1.0);
  const std::size_t drawn = recorder.lines().size();
  window_.surface.draw_line(0, 0, 10, 10, 1, 0, 0);
  EXPECT_EQ(recorder.lines().size(), drawn);
}

TEST(Teaching, AMarkerOutsideTheSweepMarksNoGraph) {
  for (const char* analysis : {"401", "404"}) {
    HeadlessWindow window(ombra_program());
    surface::RecordingBackend recorder;
    Step choose;
    choose.command = std::stoi(analysis);
    Step marker;
    marker.kind = Step::Kind::kTeaching;
    marker.teaching.marker = true;
    marker.teaching.marker_hz = 1e7;  // the sweep ends at 100 kHz
    const std::vector<Step> steps = {choose, marker};
    LastPassTarget target(plan_repaints(ombra_program(), steps).last_pass(), recorder);
    replay(window, steps, target);
    EXPECT_EQ(marked(recorder.lines()), 0) << analysis;
    window.session.teaching.marker.frequency = 1000.0;
    recorder.clear_trace();
    window_pass(window.session, window.graph, recorder, kScreenDpi, kScreenDpi);
    EXPECT_GT(marked(recorder.lines()), 0) << analysis << ": inside the sweep it shows";
  }
}

TEST(Teaching, ACurvePastTheGraphsIsRefused) {
  Step marker;
  marker.kind = Step::Kind::kTeaching;
  marker.teaching.marker = true;
  marker.teaching.marker_hz = 1000.0;
  marker.teaching.curve = 5;
  EXPECT_EQ(missing_curve(ombra_program(), {marker}), "");
  marker.teaching.curve = 6;
  EXPECT_EQ(missing_curve(ombra_program(), {marker}), "--curve 6: the graph draws 5 curves");
  marker.teaching.curve = 2;
  EXPECT_EQ(missing_curve(quirn_program(), {marker}), "--curve 2: the graph draws 1 curve");
}

}  // namespace
}  // namespace tessaly::interaction
