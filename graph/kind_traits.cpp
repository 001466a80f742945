#include "graph/kind_traits.h"

namespace tessaly::graph {

namespace {

using P = Plotted;
constexpr SweepScale kLog = SweepScale::kLogarithmic;
constexpr SweepScale kLin = SweepScale::kLinear;

constexpr KindTraits kRows[] = {
    {75, 76, kLog, P::kMagnitude, false, false},
    {77, 77, kLog, P::kNothing, false, false},
    {78, 78, kLog, P::kReactance, false, false},
    {79, 79, kLog, P::kNothing, false, false},
    {80, 80, kLog, P::kPhase, false, false},
    {81, 81, kLog, P::kLocus, false, false},
    {82, 82, kLog, P::kLocus, true, false},
    {90, 90, kLin, P::kMagnitude, false, false},
    {91, 93, kLin, P::kNothing, false, false},
    {94, 94, kLin, P::kReactance, false, true},
    {95, 95, kLin, P::kNothing, false, false},
    {96, 96, kLin, P::kReactance, false, false},
    {119, 130, kLog, P::kMagnitudeAndPhase, false, false},
    {131, 131, kLog, P::kMagnitudeAndPhase, true, false},
    {132, 132, kLog, P::kAbsoluteParts, false, false},
    {138, 142, kLin, P::kMagnitudeAndPhase, false, false},
    {143, 143, kLin, P::kMagnitudeAndPhase, true, false},
    {144, 144, kLin, P::kParts, false, false},
};

constexpr KindTraits kNoSweep = {0, 0, SweepScale::kNone, P::kNothing, false, false};

}  // namespace

const KindTraits& kind_traits(int kind) {
  for (const KindTraits& row : kRows) {
    if (kind >= row.first_kind && kind <= row.last_kind) return row;
  }
  return kNoSweep;
}

bool stacked(const KindTraits& traits) {
  return traits.plotted == Plotted::kMagnitudeAndPhase ||
         traits.plotted == Plotted::kAbsoluteParts || traits.plotted == Plotted::kParts;
}

}  // namespace tessaly::graph
