// One curve of a graph: the frequency sweep that calls the model at every point, converts the
// impedance to the kind's quantities and plots them.
#pragma once

#include "complex/complex.h"
#include "graph/frame.h"
#include "programs/descriptor.h"

namespace tessaly::graph {

extern double sweep_frequency;
extern double sweep_step;  // ratio (logarithmic) or increment (linear) between points
extern int point_index;
extern double phase_degrees;
extern double previous_value;
extern double current_value;
extern Complex locus_start;  // first point of the current vector locus

// Sets up the graph for the first curve of a pass, sweeps, then prints the tag.
void sweep_and_plot(int kind, ModelFn model, GraphSettings& settings);
void sweep_with_colour(int kind, ModelFn model, GraphSettings& settings, int colour,
                       const char* title);
// The sweep alone: no set-up and no tag.
void sweep_frequency_response(int kind, ModelFn model, GraphSettings& settings, int colour);
void plot_sweep_point(int kind, Complex z, double x_first, double f, int colour);

enum class SweepScale { kNone, kLogarithmic, kLinear };
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
