#include "programs/exercise_view.h"

#include <cmath>
#include <cstdio>

#include "graph/labels.h"
#include "programs/exercise.h"
#include "programs/frequency_marker.h"
#include "programs/phasors.h"

namespace tessaly {

namespace {

constexpr int kTextLeft = 64;
constexpr int kFirstRow = 392;
constexpr int kRow = 18;

struct Texts {
  char line[256];
  char value[graph::kNumberTextCapacity];
};

void question(const Session& session, graph::Context& g, Texts& t) {
  const Exercise& exercise = session.teaching.exercise;
  const unsigned long long seed = exercise.seed;
  if (exercise.kind == ExerciseKind::kResonance) {
    std::snprintf(t.line, sizeof t.line, "問題 %llu：共振周波数 fo［Hz］を予想しなさい", seed);
    g.surface.text_at(kTextLeft, kFirstRow, t.line, 0, 0);
    return;
  }
  const int curve = known_curve(g, exercise.curve);
  if (curve < 0) return;
  const graph::SweptCurve& swept = g.readout.curves[curve];
  graph::format_legend_value(t.value, sizeof t.value, swept.components.component_r);
  std::snprintf(t.line, sizeof t.line, "問題 %llu：抵抗 %sΩ の曲線の Ｑ を求めなさい", seed,
                t.value);
  g.surface.text_at(kTextLeft, kFirstRow, t.line, swept.colour, 0);
}

// Q of a series or parallel RLC is f0 over the band between the half-power frequencies.
void half_power_marks(graph::Context& g, double f0, double q, int curve) {
  const double half = 1.0 / (2.0 * q);
  const double root = std::sqrt(1.0 + half * half);
  draw_frequency_marker(g, f0 * (root - half), curve, kMarkerColour);
  draw_frequency_marker(g, f0 * (root + half), curve, kMarkerColour);
}

void answer(const Session& session, graph::Context& g, Texts& t) {
  const Exercise& exercise = session.teaching.exercise;
  const unsigned long long seed = exercise.seed;
  const double value = exercise_answer(session, g);
  const int curve = known_curve(g, exercise.curve);
  if (curve < 0) return;
  const graph::SweptCurve& swept = g.readout.curves[curve];
  const Components& parts = swept.components;
  const double f0 = resonant_frequency(parts.component_l, parts.component_c);
  draw_frequency_marker(g, f0, curve, kMarkerColour);
  graph::format_legend_value(t.value, sizeof t.value, value);
  if (exercise.kind == ExerciseKind::kResonance) {
    std::snprintf(t.line, sizeof t.line, "解答 %llu：共振周波数 fo＝%sHz", seed, t.value);
  } else {
    half_power_marks(g, f0, value, curve);
    char r[graph::kNumberTextCapacity];
    graph::format_legend_value(r, sizeof r, parts.component_r);
    std::snprintf(t.line, sizeof t.line, "解答 %llu：抵抗 %sΩ の曲線の Ｑ＝%s", seed, r, t.value);
  }
  g.surface.text_at(kTextLeft, kFirstRow, t.line, kMarkerColour, 0);
  if (!exercise.predicted) return;
  graph::format_legend_value(t.value, sizeof t.value, exercise.prediction);
  const double error = percent_error(exercise.prediction, value);
  if (exercise.kind == ExerciseKind::kResonance) {
    draw_frequency_marker(g, exercise.prediction, curve, kPredictionColour);
    std::snprintf(t.line, sizeof t.line, "予想 %sHz　誤差 %+.1f％", t.value, error);
  } else {
    std::snprintf(t.line, sizeof t.line, "予想 Ｑ＝%s　誤差 %+.1f％", t.value, error);
  }
  g.surface.text_at(kTextLeft, kFirstRow + kRow, t.line, kPredictionColour, 0);
}

}  // namespace

void draw_exercise(const Session& session, graph::Context& g) {
  const Exercise& exercise = session.teaching.exercise;
  if (exercise.kind == ExerciseKind::kNone) return;
  Texts t;
  if (exercise.revealed) {
    answer(session, g, t);
  } else {
    question(session, g, t);
  }
}

}  // namespace tessaly
