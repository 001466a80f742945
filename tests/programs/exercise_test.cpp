// The exercise: the same seed gives the same sheet, the values make a resonance inside the
// sweep, the question draws no curve and no answer, and the answer is the closed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "complex/angles.h"
#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly {
namespace {

TEST(SeededRandom, IsSplitMix64) {
  SeededRandom random(1234567);
  EXPECT_EQ(random.next(), 6457827717110365317ULL);
  EXPECT_EQ(random.next(), 3203168211198807973ULL);
  EXPECT_EQ(random.next(), 9817491932198370423ULL);
}

class ExercisePass : public testing::Test {
 protected:
  void open(const ProgramDescriptor& program, int circuit, int analysis) {
    session_ = start_session(program);
    session_.circuit_index = circuit;
    session_.analysis_index = analysis;
    pass();
  }
  void pass() {
    recorder_.clear_trace();
    window_pass(session_, graph_, recorder_, 96, 96);
  }
  bool drew_text_containing(const std::string& part) const {
    for (const std::string& line : recorder_.lines()) {
      if (line.rfind("text ", 0) == 0 && line.find(part) != std::string::npos) return true;
    }
    return false;
  }
  bool drew_text_ending(const std::string& end) const {
    for (const std::string& line : recorder_.lines()) {
      if (line.rfind("text ", 0) == 0 && line.size() > end.size() &&
          line.compare(line.size() - end.size(), end.size(), end) == 0) {
        return true;
      }
    }
    return false;
  }
  // Curve segments: solid lines of width 1 in a curve colour.
  int curve_segments() const {
    int count = 0;
    for (const std::string& line : recorder_.lines()) {
      if (line.rfind("line ", 0) != 0) continue;
      for (const char* colour : {" 1 1 0 13", " 2 1 0 13", " 3 1 0 13", " 4 1 0 13", " 5 1 0 13"}) {
        const std::string tail = colour;
        if (line.size() > tail.size() &&
            line.compare(line.size() - tail.size(), tail.size(), tail) == 0) {
          ++count;
        }
      }
    }
    return count;
  }

  Session session_;
  surface::Surface surface_;
  graph::Context graph_{surface_};
  surface::RecordingBackend recorder_;
};

TEST_F(ExercisePass, SameSeedSameValuesAndTheResonanceInsideTheSweep) {
  struct Case {
    const ProgramDescriptor& program;
    int circuit, analysis;
    double low, high;  // where f0 must lie
  };
  const Case cases[] = {
      {ombra_program(), 1, 1, 10.0, 100000.0},
      {ombra_program(), 2, 3, 10.0, 100000.0},
      {velto_program(), 3, 1, 100.0, 10000.0},
      {velto_program(), 4, 2, 1.0 + 0.1 * 1999.0, 2000.0 - 0.1 * 1999.0},
  };
  for (const Case& c : cases) {
    std::vector<double> first_values;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
      open(c.program, c.circuit, c.analysis);
      start_exercise(session_, ExerciseKind::kResonance, seed);
      const double l = session_.circuit_constants[0];
      const double cap = session_.circuit_constants[1];
      open(c.program, c.circuit, c.analysis);
      start_exercise(session_, ExerciseKind::kResonance, seed);
      EXPECT_EQ(session_.circuit_constants[0], l);
      EXPECT_EQ(session_.circuit_constants[1], cap);
      EXPECT_EQ(session_.circuit_index, c.circuit);
      const double f0 = 1.0 / (kTwoPi * std::sqrt(l * cap));
      EXPECT_GT(f0, c.low) << c.program.id << " seed " << seed;
      EXPECT_LT(f0, c.high) << c.program.id << " seed " << seed;
      EXPECT_GE(l, 1e-4);
      EXPECT_LE(l, 0.068);
      EXPECT_GE(cap, 1e-7);
      EXPECT_LE(cap, 6.8e-5);
      EXPECT_GE(std::sqrt(l / cap), 3.0);
      EXPECT_LE(std::sqrt(l / cap), 300.0);
      first_values.push_back(l * cap);
    }
    // Forty seeds give more than a handful of sheets.
    std::sort(first_values.begin(), first_values.end());
    EXPECT_GT(std::unique(first_values.begin(), first_values.end()) - first_values.begin(), 15)
        << c.program.id;
  }
}

TEST_F(ExercisePass, QuestionHidesCurvesAndAnswersAndTheRevealShowsThem) {
  open(ombra_program(), 1, 1);
  const int normal_segments = curve_segments();
  EXPECT_TRUE(drew_text_containing(" Ｑ "));
  EXPECT_TRUE(drew_text_ending(" fo"));  // Ombra's fixed mark
  const double saved_l = session_.circuit_constants[0];
  session_.step_count = 2.0;

  start_exercise(session_, ExerciseKind::kResonance, 7);
  pass();
  EXPECT_EQ(curve_segments(), 0);
  EXPECT_FALSE(drew_text_containing(" Ｑ "));
  EXPECT_FALSE(drew_text_ending(" fo"));
  EXPECT_TRUE(drew_text_containing("問題 7："));
  EXPECT_EQ(graph_.readout.curve_count, 5);  // known for the answer all the same
  const double l = session_.circuit_constants[0];
  const double c = session_.circuit_constants[1];
  EXPECT_EQ(session_.step_count, 0.0);

  session_.teaching.exercise.revealed = true;
  session_.teaching.exercise.predicted = true;
  session_.teaching.exercise.prediction = 1.1 * resonant_frequency(l, c);
  pass();
  EXPECT_EQ(curve_segments(), normal_segments);
  EXPECT_DOUBLE_EQ(exercise_answer(session_, graph_), 1.0 / (kTwoPi * std::sqrt(l * c)));
  EXPECT_TRUE(drew_text_containing("解答 7："));
  EXPECT_TRUE(drew_text_containing("誤差 +10.0％"));
  EXPECT_FALSE(drew_text_ending(" fo"));

  // Q of the curve asked, parallel: R / sqrt(L / C).
  start_exercise(session_, ExerciseKind::kQuality, 12);
  session_.teaching.exercise.revealed = true;
  pass();
  const int asked = session_.teaching.exercise.curve;
  const Components& parts = graph_.readout.curves[asked].components;
  EXPECT_DOUBLE_EQ(exercise_answer(session_, graph_),
                   parts.component_r / std::sqrt(parts.component_l / parts.component_c));
  constexpr double kParallelFactors[] = {0.01, 0.03, 0.1, 0.3, 1.0};
  EXPECT_EQ(parts.component_r, session_.circuit_constants[2] * kParallelFactors[asked]);

  leave_exercise(session_);
  EXPECT_EQ(session_.circuit_constants[0], saved_l);
  EXPECT_EQ(session_.step_count, 2.0);
  EXPECT_EQ(session_.teaching.exercise.kind, ExerciseKind::kNone);
}

TEST(Exercise, OfferedWhereThereIsAResonance) {
  Session ombra = start_session(ombra_program());
  Session velto = start_session(velto_program());
  Session quirn = start_session(quirn_program());
  EXPECT_TRUE(offers_exercise(ombra, ExerciseKind::kResonance));
  EXPECT_TRUE(offers_exercise(ombra, ExerciseKind::kQuality));
  EXPECT_TRUE(offers_exercise(velto, ExerciseKind::kResonance));
  EXPECT_FALSE(offers_exercise(velto, ExerciseKind::kQuality));
  EXPECT_FALSE(offers_exercise(quirn, ExerciseKind::kResonance));
  // Velto's single L leaves room for the series LC.
  velto.circuit_index = 1;
  start_exercise(velto, ExerciseKind::kResonance, 3);
  EXPECT_EQ(velto.circuit_index, 3);
  leave_exercise(velto);
  EXPECT_EQ(velto.circuit_index, 1);
  EXPECT_DOUBLE_EQ(percent_error(90.0, 100.0), -10.0);
}

}  // namespace
}  // namespace tessaly
