#include "programs/exercise.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "complex/angles.h"
#include "graph/sweep.h"
#include "programs/descriptor.h"
#include "programs/ombra/driver.h"
#include "programs/phasors.h"
#include "programs/teaching_numbers.h"

namespace tessaly {

namespace {

// Ombra and Velto keep L [H] and C [F] first among their circuit constants, Ombra R0 [ohm] next.
constexpr int kInductance = 0;
constexpr int kCapacitance = 1;
constexpr int kResistance = 2;

// Values a student finds in a parts catalogue: the E12 series over a few decades.
constexpr double kE12[] = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
constexpr double kInductanceDecades[] = {1e-4, 1e-3, 1e-2};
constexpr double kCapacitanceDecades[] = {1e-7, 1e-6, 1e-5};
constexpr double kResistanceDecades[] = {100.0};
// sqrt(L/C), the reactance of L and C at f0: inside the |Z| axes of both programs.
constexpr double kLeastCharacteristic = 3.0;
constexpr double kGreatestCharacteristic = 300.0;
// A Q that the graph shows: a peak, and half-power frequencies that can be told apart on the
// narrowest frequency frame (320 units at magnification 1).
constexpr double kLeastQ = 1.0;
constexpr double kGreatestQ = 30.0;
constexpr double kNarrowestFrequencyFrame = 320.0;
constexpr double kLeastHalfPowerGap = 8.0;
constexpr double kRootTwo = 1.4142135623730951;

bool resonant(const CircuitForm& form, bool with_resistor) {
  const unsigned needed =
      elements::kL | elements::kC | (with_resistor ? elements::kR : static_cast<unsigned>(0));
  return form.shape != CircuitShape::kSingle && (form.elements & needed) == needed;
}

std::vector<int> resonant_circuits(const ProgramDescriptor& program, bool with_resistor) {
  std::vector<int> circuits;
  for (int circuit = 1; circuit < program.circuit_form_count; ++circuit) {
    if (resonant(circuit_form(program, circuit), with_resistor)) circuits.push_back(circuit);
  }
  return circuits;
}

// The sweep and the |Z| axis of the graph the sheet is drawn on.
struct Axes {
  double start, stop, least_magnitude, greatest_magnitude;
  bool linear;
  // f2 / f1 of half-power frequencies 8 units apart on a logarithmic frame.
  double least_half_power_ratio;

  // Where a frequency lies across the frame, 0 at the left edge, 1 at the right.
  double across(double f) const {
    if (linear) return (f - start) / (stop - start);
    return std::log10(f / start) / std::log10(stop / start);
  }
  // Well inside the sweep, and at least an octave from either end.
  bool holds_resonance(double f0) const {
    const double margin = linear ? 0.1 : 0.2;
    const double at = across(f0);
    return at >= margin && at <= 1.0 - margin && f0 >= 2.0 * start && f0 <= 0.5 * stop;
  }
};

Axes axes_of(Session& session) {
  const double* row = session.program->graph_constants.row(session);
  return {row[0],
          row[1],
          row[2],
          row[3],
          graph::sweep_scale(session.current_kind) == graph::SweepScale::kLinear,
          std::pow(row[1] / row[0], kLeastHalfPowerGap / kNarrowestFrequencyFrame)};
}

// One sheet the seed may give: the circuit, its values, the curve asked about and the answer
// as it is printed.
struct Sheet {
  double answer;
  int circuit;
  double l, c, r0;
  int curve;
};

// Pairs of L and C that resonate inside the sweep, in a fixed order.
struct Pair {
  double l, c, f0;
};

std::vector<Pair> resonating_pairs(const Axes& axes) {
  std::vector<Pair> pairs;
  for (double l_decade : kInductanceDecades) {
    for (double l_mantissa : kE12) {
      for (double c_decade : kCapacitanceDecades) {
        for (double c_mantissa : kE12) {
          const double l = l_mantissa * l_decade;
          const double c = c_mantissa * c_decade;
          const double f0 = resonant_frequency(l, c);
          const double characteristic = std::sqrt(l / c);
          if (axes.holds_resonance(f0) && characteristic >= kLeastCharacteristic &&
              characteristic <= kGreatestCharacteristic) {
            pairs.push_back({l, c, f0});
          }
        }
      }
    }
  }
  return pairs;
}

std::vector<double> base_resistances() {
  std::vector<double> values;
  for (double decade : kResistanceDecades) {
    for (double mantissa : kE12) values.push_back(mantissa * decade);
  }
  return values;
}

// f1 and f2 inside the sweep and apart on the frame, the peak and its 1/sqrt 2 level on the
// |Z| axis.
bool readable_quality(const Axes& axes, double f0, double q, double r) {
  if (!(q >= kLeastQ && q <= kGreatestQ)) return false;
  if (r < kRootTwo * axes.least_magnitude || r > axes.greatest_magnitude / kRootTwo) return false;
  const double half = 1.0 / (2.0 * q);
  const double root = std::sqrt(1.0 + half * half);
  const double f1 = f0 * (root - half);
  const double f2 = f0 * (root + half);
  if (f1 <= axes.start || f2 >= axes.stop) return false;
  if (axes.linear) {
    return (f2 - f1) / (axes.stop - axes.start) * kNarrowestFrequencyFrame >= kLeastHalfPowerGap;
  }
  return f2 / f1 >= axes.least_half_power_ratio;
}

// Calls visit(sheet) for every sheet the session's axes allow, in a fixed order.
template <typename Visit>
void for_each_sheet(Session& session, ExerciseKind kind, Visit visit) {
  const Axes axes = axes_of(session);
  const bool quality = kind == ExerciseKind::kQuality;
  const std::vector<int> circuits = resonant_circuits(*session.program, quality);
  const std::vector<Pair> pairs = resonating_pairs(axes);
  if (!quality) {
    for (int circuit : circuits) {
      for (const Pair& p : pairs) visit(Sheet{three_digits(p.f0), circuit, p.l, p.c, 0.0, 0});
    }
    return;
  }
  const std::vector<double> resistances = base_resistances();
  for (int circuit : circuits) {
    const bool parallel = circuit_form(*session.program, circuit).shape == CircuitShape::kParallel;
    for (const Pair& p : pairs) {
      const double characteristic = std::sqrt(p.l / p.c);
      for (double r0 : resistances) {
        for (int curve = 0; curve < ombra::kCurves; ++curve) {
          const double r = ombra::curve_resistance_factor(circuit, curve) * r0;
          const double q = parallel ? r / characteristic : characteristic / r;
          if (readable_quality(axes, p.f0, q, r)) {
            visit(Sheet{three_digits(q), circuit, p.l, p.c, r0, curve});
          }
        }
      }
    }
  }
}

// A step through the distinct answers that shares no factor with their count: consecutive
// seeds land far apart, and any `count` consecutive seeds on different answers.
std::uint64_t stride_for(std::uint64_t count) {
  std::uint64_t stride = std::max<std::uint64_t>(1, count * 618 / 1000);
  while (std::gcd(stride, count) != 1) ++stride;
  return stride;
}

// The seed's sheet: its answer by the stride among the distinct answers in order, then one of
// the sheets with that answer. False where the axes allow none.
bool sheet_of_seed(Session& session, ExerciseKind kind, std::uint64_t seed, Sheet* chosen) {
  std::vector<double> answers;
  for_each_sheet(session, kind, [&](const Sheet& sheet) { answers.push_back(sheet.answer); });
  if (answers.empty()) return false;
  std::sort(answers.begin(), answers.end());
  answers.erase(std::unique(answers.begin(), answers.end()), answers.end());
  const std::uint64_t count = answers.size();
  const double answer = answers[(seed % count) * stride_for(count) % count];
  std::vector<Sheet> alike;
  for_each_sheet(session, kind, [&](const Sheet& sheet) {
    if (sheet.answer == answer) alike.push_back(sheet);
  });
  SeededRandom random(seed);
  *chosen = alike[static_cast<std::size_t>(random.below(static_cast<int>(alike.size())))];
  return true;
}

}  // namespace

std::uint64_t SeededRandom::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int SeededRandom::below(int count) {
  return static_cast<int>(next() % static_cast<std::uint64_t>(count));
}

bool offers_exercise(const Session& session, ExerciseKind kind) {
  if (kind == ExerciseKind::kNone || session.program == nullptr) return false;
  return !resonant_circuits(*session.program, kind == ExerciseKind::kQuality).empty();
}

void start_exercise(Session& session, ExerciseKind kind, std::uint64_t seed) {
  if (!offers_exercise(session, kind)) return;
  Exercise& exercise = session.teaching.exercise;
  if (exercise.kind == ExerciseKind::kNone) {
    exercise.saved_circuit = session.circuit_index;
    exercise.saved_steps = session.step_count;
    exercise.saved_steps2 = session.step_count2;
    for (int i = 0; i < kSavedConstants; ++i) {
      exercise.saved_constants[i] = session.circuit_constants[i];
    }
  }
  exercise.kind = kind;
  exercise.seed = seed;
  exercise.revealed = false;
  exercise.predicted = false;
  exercise.prediction = 0.0;
  exercise.curve = 0;
  session.step_count = 0.0;
  session.step_count2 = 0.0;
  const bool quality = kind == ExerciseKind::kQuality;
  session.circuit_index = resonant_circuits(*session.program, quality).front();

  // Axes changed so far that nothing resonates inside them keep the program's values.
  Sheet sheet;
  if (!sheet_of_seed(session, kind, seed, &sheet)) return;
  session.circuit_index = sheet.circuit;
  session.circuit_constants[kInductance] = sheet.l;
  session.circuit_constants[kCapacitance] = sheet.c;
  if (session.program->circuit_constants.count > kResistance) {
    // An f0 sheet's curves need a base resistance too; the seed picks it.
    SeededRandom random(~seed);
    session.circuit_constants[kResistance] =
        quality ? sheet.r0 : kE12[random.below(12)] * kResistanceDecades[0];
  }
  exercise.curve = sheet.curve;
}

void leave_exercise(Session& session) {
  Exercise& exercise = session.teaching.exercise;
  if (exercise.kind == ExerciseKind::kNone) return;
  session.circuit_index = exercise.saved_circuit;
  session.step_count = exercise.saved_steps;
  session.step_count2 = exercise.saved_steps2;
  for (int i = 0; i < kSavedConstants; ++i) {
    session.circuit_constants[i] = exercise.saved_constants[i];
  }
  exercise = Exercise{};
}

double exercise_answer(const Session& session, const graph::Context& g) {
  const Exercise& exercise = session.teaching.exercise;
  const int curve = known_curve(g, exercise.curve);
  if (curve < 0 || exercise.kind == ExerciseKind::kNone) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  const graph::SweptCurve& swept = g.readout.curves[curve];
  const Components& parts = swept.components;
  if (exercise.kind == ExerciseKind::kResonance) {
    return resonant_frequency(parts.component_l, parts.component_c);
  }
  const double characteristic = std::sqrt(parts.component_l / parts.component_c);
  const CircuitForm form = circuit_form(*session.program, swept.circuit);
  return form.shape == CircuitShape::kParallel ? parts.component_r / characteristic
                                               : characteristic / parts.component_r;
}

double resonant_frequency(double l, double c) {
  return 1.0 / (kTwoPi * std::sqrt(l * c));
}

double percent_error(double prediction, double answer) {
  return (prediction - answer) / answer * 100.0;
}

}  // namespace tessaly
