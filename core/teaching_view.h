// What the teaching views add to a graph: a marker at one frequency, the phasor diagram of a
// curve at that frequency beside the graph, and the predict-then-reveal exercise. All of it off
// draws the graph exactly as before.
#pragma once

#include <cstdint>

namespace tessaly {

struct FrequencyMarker {
  bool shown = false;
  double frequency = 0.0;  // [Hz]
  int curve = 0;           // index of the curve of the last pass whose phasors are drawn
};

enum class ExerciseKind { kNone, kResonance, kQuality };

constexpr int kSavedConstants = 5;  // the circuit constants a session keeps

struct Exercise {
  ExerciseKind kind = ExerciseKind::kNone;
  std::uint64_t seed = 0;
  bool revealed = false;
  int curve = 0;  // the curve whose Q is asked (index of the pass' curves)
  bool predicted = false;
  double prediction = 0.0;
  // What the exercise replaced, given back when it ends.
  int saved_circuit = 1;
  double saved_steps = 0.0;
  double saved_steps2 = 0.0;
  double saved_constants[kSavedConstants] = {};
};

// The question is on show: frames, axes and legend, no curves.
inline bool asks_question(const Exercise& exercise) {
  return exercise.kind != ExerciseKind::kNone && !exercise.revealed;
}

struct TeachingView {
  FrequencyMarker marker;
  bool phasor_panel = false;
  // Lines twice as wide and the light colours darker, for a projector or a copier.
  bool projector = false;
  Exercise exercise;
};

}  // namespace tessaly
