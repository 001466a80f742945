#include "programs/exercise.h"

#include <cmath>
#include <limits>

#include "complex/angles.h"
#include "graph/sweep.h"
#include "programs/descriptor.h"
#include "programs/phasors.h"

namespace tessaly {

namespace {

// Ombra and Velto keep L [H] and C [F] first among their circuit constants, Ombra R0 [ohm] next.
constexpr int kInductance = 0;
constexpr int kCapacitance = 1;
constexpr int kResistance = 2;

constexpr int kCurvesToAsk = 5;  // Ombra's five resistances
constexpr int kMostDraws = 1000;

// Values a student can compute with: the E6 series over a few decades.
constexpr double kE6[] = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8};
constexpr double kInductanceDecades[] = {1e-4, 1e-3, 1e-2};
constexpr double kCapacitanceDecades[] = {1e-7, 1e-6, 1e-5};
constexpr double kResistanceDecades[] = {100.0};
// sqrt(L/C), the reactance of L and C at f0: inside the |Z| axes of both programs.
constexpr double kLeastCharacteristic = 3.0;
constexpr double kGreatestCharacteristic = 300.0;

template <int N>
double e6_value(SeededRandom& random, const double (&decades)[N]) {
  const double mantissa = kE6[random.below(6)];
  return mantissa * decades[random.below(N)];
}

bool resonant(const CircuitForm& form, bool with_resistor) {
  const unsigned needed =
      elements::kL | elements::kC | (with_resistor ? elements::kR : static_cast<unsigned>(0));
  return form.shape != CircuitShape::kSingle && (form.elements & needed) == needed;
}

// The circuit the exercise runs on: the one selected if it fits, else the first that does.
int exercise_circuit(const Session& session, bool with_resistor) {
  const ProgramDescriptor& program = *session.program;
  if (resonant(circuit_form(program, session.circuit_index), with_resistor)) {
    return session.circuit_index;
  }
  for (int circuit = 1; circuit < program.circuit_form_count; ++circuit) {
    if (resonant(circuit_form(program, circuit), with_resistor)) return circuit;
  }
  return 0;
}

// Where the resonance may lie: well inside the sweep, on the scale the graph draws it.
struct Band {
  double low, high;
};

Band inner_band(Session& session) {
  const double* row = session.program->graph_constants.row(session);
  const double start = row[0];
  const double stop = row[1];
  if (graph::sweep_scale(session.current_kind) == graph::SweepScale::kLinear) {
    const double span = stop - start;
    return {start + 0.1 * span, stop - 0.1 * span};
  }
  return {start * std::pow(stop / start, 0.2), start * std::pow(stop / start, 0.8)};
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
  return exercise_circuit(session, kind == ExerciseKind::kQuality) != 0;
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
  session.circuit_index = exercise_circuit(session, kind == ExerciseKind::kQuality);
  session.step_count = 0.0;
  session.step_count2 = 0.0;

  SeededRandom random(seed);
  const Band band = inner_band(session);
  double l = 0.0;
  double c = 0.0;
  for (int draw = 0; draw < kMostDraws; ++draw) {
    l = e6_value(random, kInductanceDecades);
    c = e6_value(random, kCapacitanceDecades);
    const double f0 = resonant_frequency(l, c);
    const double characteristic = std::sqrt(l / c);
    if (f0 >= band.low && f0 <= band.high && characteristic >= kLeastCharacteristic &&
        characteristic <= kGreatestCharacteristic) {
      break;
    }
  }
  session.circuit_constants[kInductance] = l;
  session.circuit_constants[kCapacitance] = c;
  if (session.program->circuit_constants.count > kResistance) {
    session.circuit_constants[kResistance] = e6_value(random, kResistanceDecades);
  }
  exercise.curve = kind == ExerciseKind::kQuality ? random.below(kCurvesToAsk) : 0;
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
