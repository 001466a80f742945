// The exercise: the same seed gives the same sheet, the values make a resonance inside the
// sweep, the question draws no curve and no answer, and the answer is the closed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "complex/angles.h"
#include "graph/mapping.h"
#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/exercise_key.h"
#include "programs/passes.h"
#include "programs/teaching_numbers.h"
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
  int texts_ending(const std::string& end) const {
    int count = 0;
    for (const std::string& line : recorder_.lines()) {
      if (line.rfind("text ", 0) == 0 && line.size() > end.size() &&
          line.compare(line.size() - end.size(), end.size(), end) == 0) {
        ++count;
      }
    }
    return count;
  }
  bool drew_text_ending(const std::string& end) const { return texts_ending(end) > 0; }
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
    std::vector<int> circuits;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
      open(c.program, c.circuit, c.analysis);
      start_exercise(session_, ExerciseKind::kResonance, seed);
      const double l = session_.circuit_constants[0];
      const double cap = session_.circuit_constants[1];
      open(c.program, c.circuit, c.analysis);
      start_exercise(session_, ExerciseKind::kResonance, seed);
      EXPECT_EQ(session_.circuit_constants[0], l);
      EXPECT_EQ(session_.circuit_constants[1], cap);
      EXPECT_TRUE(session_.circuit_index == 1 || session_.circuit_index == 2 ||
                  (&c.program == &velto_program() && session_.circuit_index >= 3))
          << session_.circuit_index;
      circuits.push_back(session_.circuit_index);
      const double f0 = 1.0 / (kTwoPi * std::sqrt(l * cap));
      EXPECT_GT(f0, c.low) << c.program.id << " seed " << seed;
      EXPECT_LT(f0, c.high) << c.program.id << " seed " << seed;
      EXPECT_GE(l, 1e-4);
      EXPECT_LE(l, 0.082);
      EXPECT_GE(cap, 1e-7);
      EXPECT_LE(cap, 8.2e-5);
      EXPECT_GE(std::sqrt(l / cap), 3.0);
      EXPECT_LE(std::sqrt(l / cap), 300.0);
      first_values.push_back(l * cap);
    }
    // Forty seeds give more than a handful of sheets.
    std::sort(first_values.begin(), first_values.end());
    EXPECT_GE(std::unique(first_values.begin(), first_values.end()) - first_values.begin(), 30)
        << c.program.id;
    // Neighbours in a class get both of the program's resonant circuits.
    std::sort(circuits.begin(), circuits.end());
    EXPECT_EQ(std::unique(circuits.begin(), circuits.end()) - circuits.begin(), 2) << c.program.id;
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
  EXPECT_EQ(texts_ending(" fo"), 1);  // the answer's mark, not Ombra's fixed one

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

// What a class of thirty gets: thirty different answers as printed, for every kind of sheet and
// any thirty seeds in a row.
TEST_F(ExercisePass, ThirtySeedsInARowThirtyAnswers) {
  struct Case {
    const ProgramDescriptor& program;
    ExerciseKind kind;
  };
  const Case cases[] = {{ombra_program(), ExerciseKind::kResonance},
                        {ombra_program(), ExerciseKind::kQuality},
                        {velto_program(), ExerciseKind::kResonance}};
  for (const Case& c : cases) {
    for (std::uint64_t first : {1u, 17u, 977u}) {
      std::vector<std::string> answers;
      for (std::uint64_t seed = first; seed < first + 30; ++seed) {
        open(c.program, 1, 1);
        start_exercise(session_, c.kind, seed);
        session_.teaching.exercise.revealed = true;
        pass();
        char text[kTeachingNumberCapacity];
        format_plain(text, sizeof text, exercise_answer(session_, graph_));
        answers.push_back(text);
      }
      std::sort(answers.begin(), answers.end());
      EXPECT_EQ(std::unique(answers.begin(), answers.end()), answers.end())
          << c.program.id << " from seed " << first;
    }
  }
}

// The answer key of a class: the number it prints after the formula agrees with the answer of
// the curves drawn to 0.5 %, and names the circuit and the values the sheet gives.
TEST_F(ExercisePass, TheAnswerKeyAgreesWithTheCurves) {
  for (ExerciseKind kind : {ExerciseKind::kResonance, ExerciseKind::kQuality}) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
      open(ombra_program(), 1, 1);
      start_exercise(session_, kind, seed);
      const AnswerKey key = answer_key(session_, text::source_language());
      session_.teaching.exercise.revealed = true;
      pass();
      const double answer = exercise_answer(session_, graph_);
      const std::string working = key.working;
      const std::string printed = working.substr(working.rfind("＝") + std::string("＝").size());
      char* end = nullptr;
      double value = std::strtod(printed.c_str(), &end);
      const std::string prefix = end;
      if (prefix.rfind("k", 0) == 0) value *= 1e3;
      EXPECT_NEAR(value, answer, 0.005 * answer) << working;
      EXPECT_DOUBLE_EQ(key.answer, answer);
      const bool parallel = session_.circuit_index == 1;
      EXPECT_EQ(std::string(key.given).rfind(parallel ? "並列回路" : "直列回路", 0), 0u)
          << key.given;
      if (kind == ExerciseKind::kQuality) {
        EXPECT_EQ(working.rfind(parallel ? "Ｑ＝Ｒ√(Ｃ/Ｌ)＝" : "Ｑ＝(1/Ｒ)√(Ｌ/Ｃ)＝", 0), 0u)
            << working;
      } else {
        EXPECT_EQ(working.rfind("fo＝1/(2π√(ＬＣ))＝1/(2π√(", 0), 0u) << working;
      }
    }
  }
}

// Every Q sheet can be read off its graph: a peak, and f1 and f2 inside the sweep and at least
// 8 units apart on the frame drawn.
TEST_F(ExercisePass, EveryQSheetCanBeReadOffTheGraph) {
  for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
    session_ = start_session(ombra_program());
    start_exercise(session_, ExerciseKind::kQuality, seed);
    session_.teaching.exercise.revealed = true;
    surface::NullBackend nothing;
    window_pass(session_, graph_, nothing, 96, 96);
    const double q = exercise_answer(session_, graph_);
    ASSERT_GE(q, 1.0) << seed;
    ASSERT_LE(q, 30.0) << seed;
    const Components& parts = graph_.readout.curves[session_.teaching.exercise.curve].components;
    const double f0 = resonant_frequency(parts.component_l, parts.component_c);
    const double half = 1.0 / (2.0 * q);
    const double f1 = f0 * (std::sqrt(1.0 + half * half) - half);
    const double f2 = f0 * (std::sqrt(1.0 + half * half) + half);
    const graph::GraphFrame& frame = graph_.readout.drawn_upper;
    ASSERT_GT(f1, 10.0) << seed;
    ASSERT_LT(f2, 100000.0) << seed;
    ASSERT_GE(graph::unrounded_x(frame, f2) - graph::unrounded_x(frame, f1), 8.0) << seed;
  }
}

// Seeds give the same sheets from one version to the next: a teacher's old sheets keep their
// answers.
TEST(Exercise, TheFirstFiveSheetsOfEachKindStayAsTheyAre) {
  struct Case {
    const ProgramDescriptor& program;
    ExerciseKind kind;
    const char* sheets;
  };
  const Case cases[] = {
      {ombra_program(), ExerciseKind::kResonance,
       "1: circuit 1 L 0.0022 C 2.2e-06 R0 270 curve 0\n"
       "2: circuit 1 L 0.0033 C 6.8e-05 R0 120 curve 0\n"
       "3: circuit 2 L 0.00033 C 1.5e-06 R0 330 curve 0\n"
       "4: circuit 1 L 0.0068 C 3.9e-06 R0 680 curve 0\n"
       "5: circuit 1 L 0.068 C 1.8e-05 R0 270 curve 0\n"},
      {ombra_program(), ExerciseKind::kQuality,
       "1: circuit 2 L 0.00082 C 1.8e-05 R0 220 curve 3\n"
       "2: circuit 1 L 0.00015 C 1e-06 R0 220 curve 2\n"
       "3: circuit 1 L 0.0022 C 3.3e-06 R0 100 curve 4\n"
       "4: circuit 1 L 0.001 C 4.7e-05 R0 120 curve 2\n"
       "5: circuit 1 L 0.01 C 2.7e-06 R0 270 curve 3\n"},
      {velto_program(), ExerciseKind::kResonance,
       "1: circuit 3 L 0.0033 C 3.9e-06 R0 0 curve 0\n"
       "2: circuit 4 L 0.022 C 4.7e-06 R0 0 curve 0\n"
       "3: circuit 4 L 0.00082 C 4.7e-06 R0 0 curve 0\n"
       "4: circuit 4 L 0.018 C 1.8e-06 R0 0 curve 0\n"
       "5: circuit 4 L 0.012 C 1.8e-05 R0 0 curve 0\n"},
  };
  for (const Case& c : cases) {
    std::string sheets;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
      Session session = start_session(c.program);
      start_exercise(session, c.kind, seed);
      char line[160];
      std::snprintf(line, sizeof line, "%llu: circuit %d L %g C %g R0 %g curve %d\n",
                    static_cast<unsigned long long>(seed), session.circuit_index,
                    session.circuit_constants[0], session.circuit_constants[1],
                    session.circuit_constants[2], session.teaching.exercise.curve);
      sheets += line;
    }
    EXPECT_EQ(sheets, c.sheets) << c.program.id;
  }
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
  // Velto's single L gives way to the series or the parallel LC.
  velto.circuit_index = 1;
  start_exercise(velto, ExerciseKind::kResonance, 3);
  EXPECT_GE(velto.circuit_index, 3);
  leave_exercise(velto);
  EXPECT_EQ(velto.circuit_index, 1);
  EXPECT_DOUBLE_EQ(percent_error(90.0, 100.0), -10.0);
}

}  // namespace
}  // namespace tessaly
