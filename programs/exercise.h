// The predict-then-reveal exercise: component values drawn from a seed (the same seed gives the
// same values everywhere, so sheet 7 and answer 7 match), the true answer read from the curves
// of the last pass, and how far a prediction is from it.
#pragma once

#include <cstdint>

#include "core/session.h"
#include "graph/context.h"

namespace tessaly {

// splitmix64: small, fast and the same on every platform and compiler, unlike std::rand.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // One of `count` choices, 0 to count - 1.
  int below(int count);

 private:
  std::uint64_t state_;
};

// Whether the session's program has the exercise: Ombra and Velto resonate, only Ombra's five
// curves have a Q to ask.
bool offers_exercise(const Session& session, ExerciseKind kind);

// Picks the circuit (keeping a resonant one that is selected), the component values and, for Q,
// the curve to ask about, all from the seed; resets the step counters; the next pass draws the
// question. The session's last pass set its graph kind, which decides how the resonance must
// sit inside the sweep.
void start_exercise(Session& session, ExerciseKind kind, std::uint64_t seed);

// Leaves the exercise; the component values it chose stay until the program's own are restored.
void leave_exercise(Session& session);

// f0 of the curve asked about, or its Q, from the curves of the last pass; NaN without curves.
double exercise_answer(const Session& session, const graph::Context& g);

// 1 / (2 pi sqrt(LC)) with the programs' own 2 pi.
double resonant_frequency(double l, double c);

// (prediction - answer) / answer in percent.
double percent_error(double prediction, double answer);

}  // namespace tessaly
