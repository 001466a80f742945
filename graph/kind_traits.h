// What a sweep draws for each graph kind: the frequency scale, the quantities plotted, whether
// two stacked frames share the frequency axis, whether the curve is of the admittance, and so
// what the read-out shows. One row per range of kinds; kinds outside every row draw nothing.
#pragma once

namespace tessaly::graph {

// The kinds the programs draw, by the characters they were first written as.
namespace kinds {
constexpr int kMagnitudeLog = 75;              // 'K': |Z| over a logarithmic frequency axis
constexpr int kPhaseLog = 80;                  // 'P': phase
constexpr int kLocus = 81;                     // 'Q': the impedance vector locus
constexpr int kReactanceLinear = 96;           // '`': reactance over a linear frequency axis
constexpr int kMagnitudeAndPhaseLog = 119;     // 'w': |Z| over the phase, logarithmic
constexpr int kMagnitudeAndPhaseLinear = 138;  // the same over a linear frequency axis
}  // namespace kinds

enum class SweepScale { kNone, kLogarithmic, kLinear };

enum class Plotted {
  kNothing,
  kMagnitude,          // |Z| in the one frame
  kPhase,              // the phase in degrees in the one frame
  kReactance,          // Im Z in the one frame
  kLocus,              // (Re Z, Im Z) pairs in the one frame
  kMagnitudeAndPhase,  // |Z| over the phase in two stacked frames
  kAbsoluteParts,      // |Re Z| over |Im Z|, stacked
  kParts,              // Re Z over Im Z, stacked
};

struct KindTraits {
  int first_kind;
  int last_kind;
  SweepScale scale;
  Plotted plotted;
  bool reciprocal;            // the admittance 1/Z instead of Z
  bool marks_zero_crossings;  // a circle where the reactance changes sign
};

// The row of a kind; kinds of no row sweep nothing.
const KindTraits& kind_traits(int kind);

bool stacked(const KindTraits& traits);

}  // namespace tessaly::graph
