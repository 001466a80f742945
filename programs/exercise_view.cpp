#include "programs/exercise_view.h"

#include <cmath>
#include <cstdio>

#include "graph/kind_traits.h"
#include "graph/mapping.h"
#include "programs/exercise.h"
#include "programs/frequency_marker.h"
#include "programs/phasors.h"
#include "programs/teaching_numbers.h"

namespace tessaly {

namespace {

constexpr int kTextLeft = 64;
constexpr int kFirstRow = 392;
constexpr int kRow = 18;
constexpr int kDotted = 2;
constexpr double kRootTwo = 1.4142135623730951;

struct Texts {
  char line[256];
  char value[kTeachingNumberCapacity];
  char r[kTeachingNumberCapacity];
};

const char* shape_name(const Session& session, const graph::Context& g, int circuit) {
  return localized(g, circuit_form(*session.program, circuit).shape == CircuitShape::kParallel
                          ? N_("並列")
                          : N_("直列"));
}

// The values the question gives, each with three significant digits, under the question.
void given_values(const Session& session, const Components& parts, int circuit, bool with_r,
                  graph::Context& g, Texts& t) {
  char l[kTeachingNumberCapacity];
  char c[kTeachingNumberCapacity];
  format_with_prefix(l, sizeof l, parts.component_l);
  format_with_prefix(c, sizeof c, parts.component_c);
  format_with_prefix(t.r, sizeof t.r, parts.component_r);
  if (with_r) {
    std::snprintf(t.line, sizeof t.line, localized(g, "%s回路　Ｌ＝%sH　Ｃ＝%sF　Ｒ＝%sΩ"),
                  shape_name(session, g, circuit), l, c, t.r);
  } else {
    std::snprintf(t.line, sizeof t.line, localized(g, "%s回路　Ｌ＝%sH　Ｃ＝%sF"),
                  shape_name(session, g, circuit), l, c);
  }
  g.surface.text_at(kTextLeft, kFirstRow + kRow, t.line, 0, 0);
}

void question(const Session& session, graph::Context& g, Texts& t) {
  const Exercise& exercise = session.teaching.exercise;
  const unsigned long long seed = exercise.seed;
  const int curve = known_curve(g, exercise.curve);
  if (curve < 0) return;
  const graph::SweptCurve& swept = g.readout.curves[curve];
  if (exercise.kind == ExerciseKind::kResonance) {
    std::snprintf(t.line, sizeof t.line,
                  localized(g, "問題 %llu：共振周波数 fo［Hz］を予想しなさい"), seed);
    g.surface.text_at(kTextLeft, kFirstRow, t.line, 0, 0);
    given_values(session, swept.components, swept.circuit, false, g, t);
    return;
  }
  format_with_prefix(t.value, sizeof t.value, swept.components.component_r);
  std::snprintf(t.line, sizeof t.line, localized(g, "問題 %llu：抵抗 %sΩ の曲線の Ｑ を求めなさい"),
                seed, t.value);
  g.surface.text_at(kTextLeft, kFirstRow, t.line, swept.colour, 0);
  given_values(session, swept.components, swept.circuit, true, g, t);
}

// The level of the half-power frequencies: |Z| at f0 over sqrt 2 (parallel) or times it
// (series) in the magnitude frame, 45 degrees each way in a phase frame.
void half_power_level(const Session& session, graph::Context& g, const graph::SweptCurve& swept) {
  const graph::ReadoutMemory& m = g.readout;
  const graph::KindTraits& traits = graph::kind_traits(swept.kind);
  const auto level = [&](const graph::GraphFrame& f, double value, const char* name) {
    const double y = graph::unrounded_y(f, value);
    if (!(y >= f.bottom - f.height && y <= f.bottom)) return;
    const int sy = graph::map_y(f, value);
    g.surface.draw_line(f.left, sy, f.left + f.width, sy, kMarkerColour, 1, kDotted);
    g.surface.text_at(f.left + 4, sy - 17, name, kMarkerColour, 0);
  };
  const bool parallel =
      circuit_form(*session.program, swept.circuit).shape == CircuitShape::kParallel;
  const double r = swept.components.component_r;
  const double magnitude = parallel ? r / kRootTwo : r * kRootTwo;
  const char* name = parallel ? "1/√2" : "√2";
  switch (traits.plotted) {
    case graph::Plotted::kMagnitude:
      level(m.drawn_main, magnitude, name);
      break;
    case graph::Plotted::kMagnitudeAndPhase:
      level(m.drawn_upper, magnitude, name);
      break;
    case graph::Plotted::kPhase:
      level(m.drawn_main, 45.0, "45°");
      level(m.drawn_main, -45.0, "-45°");
      break;
    default:
      break;
  }
}

// Q of a series or parallel RLC is f0 over the band between the half-power frequencies.
void half_power_marks(const Session& session, graph::Context& g, double f0, double q, int curve) {
  const double half = 1.0 / (2.0 * q);
  const double root = std::sqrt(1.0 + half * half);
  draw_named_marker(g, f0 * (root - half), curve, kMarkerColour, "f1", 0);
  draw_named_marker(g, f0 * (root + half), curve, kMarkerColour, "f2", 2);
  half_power_level(session, g, g.readout.curves[curve]);
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
  if (exercise.kind == ExerciseKind::kResonance) {
    draw_named_marker(g, f0, curve, kMarkerColour, "fo", 0);
    format_with_prefix(t.value, sizeof t.value, value);
    std::snprintf(t.line, sizeof t.line, localized(g, "解答 %llu：共振周波数 fo＝%sHz"), seed,
                  t.value);
  } else {
    draw_named_marker(g, f0, curve, kMarkerColour, "fo", 1);
    half_power_marks(session, g, f0, value, curve);
    format_plain(t.value, sizeof t.value, value);
    format_with_prefix(t.r, sizeof t.r, parts.component_r);
    std::snprintf(t.line, sizeof t.line, localized(g, "解答 %llu：抵抗 %sΩ の曲線の Ｑ＝%s"), seed,
                  t.r, t.value);
  }
  g.surface.text_at(kTextLeft, kFirstRow, t.line, kMarkerColour, 0);
  if (!exercise.predicted) return;
  const double error = percent_error(exercise.prediction, value);
  if (exercise.kind == ExerciseKind::kResonance) {
    format_with_prefix(t.value, sizeof t.value, exercise.prediction);
    draw_frequency_marker(g, exercise.prediction, curve, kPredictionColour);
    std::snprintf(t.line, sizeof t.line, localized(g, "予想 %sHz　誤差 %+.1f％"), t.value, error);
  } else {
    format_plain(t.value, sizeof t.value, exercise.prediction);
    std::snprintf(t.line, sizeof t.line, localized(g, "予想 Ｑ＝%s　誤差 %+.1f％"), t.value, error);
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
