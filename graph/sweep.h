// One curve of a graph: the frequency sweep that calls the model at every point, converts the
// impedance to the kind's quantities and plots them.
#pragma once

#include "complex/complex.h"
#include "core/session.h"
#include "graph/context.h"
#include "graph/frame.h"
#include "graph/kind_traits.h"

namespace tessaly::graph {

// Sets up the graph for the first curve of a pass, sweeps, then prints the tag.
void sweep_and_plot(Context& g, Session& session, int kind, ModelFn model, GraphSettings& settings);
void sweep_with_colour(Context& g, Session& session, int kind, ModelFn model,
                       GraphSettings& settings, int colour, const char* title);
// The sweep alone: no set-up and no tag.
void sweep_frequency_response(Context& g, Session& session, int kind, ModelFn model,
                              GraphSettings& settings, int colour);
// What one point of a sweep carries to the next: its index among the stored values, and the
// first point of a vector locus.
struct SweepPoint {
  int index = 0;
  Complex locus_start{};
};
void plot_sweep_point(Context& g, Session& session, int kind, Complex z, double x_first, double f,
                      int colour, SweepPoint& point);

SweepScale sweep_scale(int kind);
// Ratio (logarithmic) or increment (linear) between the points of a sweep over these settings.
double step_between_points(SweepScale scale, const GraphSettings& settings);

// Calls visit(frequency, index) at every frequency a sweep visits, in order. It ends where the
// next frequency would not move past the current one: a start equal to the stop, a step that
// is not finite, or rounding that swallows the step would repeat the same point for ever.
template <typename Visit>
void for_each_sweep_frequency(SweepScale scale, const GraphSettings& settings, Visit visit) {
  if (scale == SweepScale::kNone) return;
  const double step = step_between_points(scale, settings);
  const double stop = settings.sweep_stop;
  double frequency = settings.sweep_start;
  for (int index = 0; frequency <= stop; ++index) {
    visit(frequency, index);
    const double next = scale == SweepScale::kLogarithmic ? frequency * step : frequency + step;
    if (!(next > frequency)) break;
    frequency = next;
  }
}

}  // namespace tessaly::graph
