// How a circuit number of a program is built: which elements, and whether they share the current
// (series) or the voltage (parallel). The phasor diagram reads it; the models stay as they are.
#pragma once

namespace tessaly {

enum class CircuitShape { kNone, kSingle, kSeries, kParallel };

namespace elements {
constexpr unsigned kR = 1;
constexpr unsigned kL = 2;
constexpr unsigned kC = 4;
}  // namespace elements

struct CircuitForm {
  CircuitShape shape;
  unsigned elements;  // bits of elements::kR, kL, kC
};

}  // namespace tessaly
