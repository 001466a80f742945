#include "tools/curve_csv.h"

#include <cstdio>

#include "core/state.h"
#include "graph/frame.h"
#include "graph/sweep.h"

namespace tessaly::tools {

namespace {

// The sweep's own grouping of the kinds that step the frequency by a ratio.
bool logarithmic_kind(int kind) {
  return (kind >= 75 && kind <= 82) || (kind >= 119 && kind <= 132);
}

// The sweep sets point_index to 0 before its first point, and nothing else writes it, so a
// pass that leaves -1 in place swept nothing.
constexpr int kNoSweep = -1;

}  // namespace

surface::Backend& SweepWatchingTarget::begin_pass(int, bool) {
  graph::point_index = kNoSweep;
  return discard_;
}

void SweepWatchingTarget::end_pass(int) {
  if (graph::point_index == kNoSweep) return;
  last_.logarithmic = logarithmic_kind(current_kind);
  last_.start = graph::graph_settings.sweep_start;
  last_.step = graph::sweep_step;
  last_.points = graph::point_index;
}

std::string curve_csv(const SweepRecord& sweep) {
  std::string csv = "point,frequency_hz,value_1,value_2\n";
  const int stored = sweep.points < kStoredPoints ? sweep.points : kStoredPoints;
  double f = sweep.start;
  char row[128];
  for (int i = 0; i < stored; ++i) {
    std::snprintf(row, sizeof row, "%d,%.17g,%.17g,%.17g\n", i, f, plot_values_1[i],
                  plot_values_2[i]);
    csv += row;
    // Repeated multiplication or addition, rounding and all, as the sweep stepped.
    f = sweep.logarithmic ? f * sweep.step : f + sweep.step;
  }
  return csv;
}

}  // namespace tessaly::tools
