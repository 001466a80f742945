#include "tools/curve_csv.h"

#include <cstdio>

#include "core/session.h"

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

surface::Backend& SweepWatchingTarget::begin_pass(HeadlessWindow& window, int, bool) {
  window.graph.point_index = kNoSweep;
  return discard_;
}

void SweepWatchingTarget::end_pass(const HeadlessWindow& window, int) {
  const graph::Context& g = window.graph;
  if (g.point_index == kNoSweep) return;
  last_.logarithmic = logarithmic_kind(window.session.current_kind);
  last_.start = g.graph_settings.sweep_start;
  last_.step = g.sweep_step;
  last_.points = g.point_index;
}

std::string curve_csv(const Session& session, const SweepRecord& sweep) {
  std::string csv = "point,frequency_hz,value_1,value_2\n";
  const int stored = sweep.points < kStoredPoints ? sweep.points : kStoredPoints;
  double f = sweep.start;
  char row[128];
  for (int i = 0; i < stored; ++i) {
    std::snprintf(row, sizeof row, "%d,%.17g,%.17g,%.17g\n", i, f, session.plot_values_1[i],
                  session.plot_values_2[i]);
    csv += row;
    // Repeated multiplication or addition, rounding and all, as the sweep stepped.
    f = sweep.logarithmic ? f * sweep.step : f + sweep.step;
  }
  return csv;
}

}  // namespace tessaly::tools
