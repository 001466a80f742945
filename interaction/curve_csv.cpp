#include "interaction/curve_csv.h"

#include <cstdio>

namespace tessaly::interaction {

std::string curve_csv(const Session& session, const graph::SweepSummary& sweep) {
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

}  // namespace tessaly::interaction
