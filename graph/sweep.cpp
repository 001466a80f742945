#include "graph/sweep.h"

#include <cmath>
#include <limits>

#include "complex/angles.h"
#include "complex/arc_tangent.h"
#include "graph/kind_traits.h"
#include "graph/labels.h"
#include "graph/mapping.h"
#include "graph/plotting.h"
#include "graph/readout.h"
#include "graph/setup.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

// The kinds whose sweep keeps the phase of every point, plotted or not.
bool takes_phase(Plotted plotted) {
  return plotted == Plotted::kMagnitude || plotted == Plotted::kPhase ||
         plotted == Plotted::kMagnitudeAndPhase;
}

void clip_to(Context& g, const GraphFrame& f) {
  g.surface.set_clip_to_frame(f.left, f.bottom, f.width, f.height);
}

// The arrays hold one curve of at most kStoredPoints points; the rest is drawn, not stored.
// A NaN's sign and payload follow the processor and the order the compiler gave the operands;
// the stored values keep one NaN, so that saved files are the same bytes on every build.
void store(Context& g, double* values, double v) {
  if (g.point_index < 0 || g.point_index >= kStoredPoints) return;
  values[g.point_index] = v == v ? v : std::numeric_limits<double>::quiet_NaN();
}

void evaluate(Context& g, const Session& session, ModelFn model, bool reciprocal) {
  g.s_value = Complex(0.0, angular_frequency(g.sweep_frequency));
  g.model_result = model(session.components, session.circuit_index, g.s_value);
  if (reciprocal) g.model_result = 1.0 / g.model_result;
}

bool crosses_zero(double before, double after) {
  return (before <= 0.0 && after > 0.0) || (before > 0.0 && after <= 0.0);
}

}  // namespace

void sweep_and_plot(Context& g, Session& session, int kind, ModelFn model,
                    GraphSettings& settings) {
  sweep_with_colour(g, session, kind, model, settings, settings.curve_number, settings.title);
}

void sweep_with_colour(Context& g, Session& session, int kind, ModelFn model,
                       GraphSettings& settings, int colour, const char* title) {
  if (g.frame_setup_count == 0) set_up_graph(g, kind, settings, title);
  refresh_line_attributes(g, settings);
  sweep_frequency_response(g, session, kind, model, settings, colour);
  corner_label(g, kind, settings.tag, 3);
  ++g.frame_setup_count;
}

SweepScale sweep_scale(int kind) {
  return kind_traits(kind).scale;
}

double step_between_points(SweepScale scale, const GraphSettings& settings) {
  const double start = settings.sweep_start;
  const double stop = settings.sweep_stop;
  if (scale == SweepScale::kLogarithmic) {
    return std::pow(10.0, std::log10(stop / start) / static_cast<double>(settings.point_count));
  }
  return (stop - start) / settings.point_count;
}

void sweep_frequency_response(Context& g, Session& session, int kind, ModelFn model,
                              GraphSettings& settings, int colour) {
  refresh_line_attributes(g, settings);
  g.point_index = 0;
  const KindTraits& traits = kind_traits(kind);
  const SweepScale scale = traits.scale;
  if (scale == SweepScale::kNone) return;
  const double start = settings.sweep_start;
  g.sweep_step = step_between_points(scale, settings);
  g.sweep_frequency = start;
  const bool linear = scale == SweepScale::kLinear;
  const bool reciprocal = traits.reciprocal;
  record_swept_curve(g, kind, model, session.components, session.circuit_index, settings, colour,
                     reciprocal);
  if (g.question_only) return;
  for_each_sweep_frequency(scale, settings, [&](double frequency, int index) {
    g.sweep_frequency = frequency;
    g.point_index = index;
    if (linear) g.previous_value = g.main_frame.last_value;
    evaluate(g, session, model, reciprocal);
    plot_sweep_point(g, session, kind, g.model_result, start, g.sweep_frequency, colour);
    g.point_index = index + 1;
    if (!linear) return;
    g.current_value = g.main_frame.last_value;
    if (traits.marks_zero_crossings && crosses_zero(g.previous_value, g.current_value)) {
      clip_to(g, g.main_frame);
      circle_mark(g, g.main_frame, g.sweep_frequency, 0.0, 3, 2);
      g.surface.reset_clip();
    }
  });
}

void plot_sweep_point(Context& g, Session& session, int kind, Complex z, double x_first, double f,
                      int colour) {
  const KindTraits& traits = kind_traits(kind);
  double upper = 0.0;
  double lower = 0.0;
  if (takes_phase(traits.plotted)) {
    upper = magnitude(z);
    g.phase_degrees = portable_atan2(z.im, z.re) * 180.0 / kPi;
    if (g.phase_degrees < -180.0) g.phase_degrees += 360.0;
    if (g.phase_degrees > 180.0) g.phase_degrees -= 360.0;
    lower = g.phase_degrees;
  } else if (traits.plotted == Plotted::kAbsoluteParts) {
    upper = std::fabs(z.re);
    lower = std::fabs(z.im);
  } else if (traits.plotted == Plotted::kParts) {
    upper = z.re;
    lower = z.im;
  }
  switch (traits.plotted) {
    case Plotted::kMagnitudeAndPhase:
    case Plotted::kAbsoluteParts:
    case Plotted::kParts:
      clip_to(g, g.upper_frame);
      plot_sample(g, g.upper_frame, x_first, f, upper, colour, 0);
      share_x_logarithm(g.upper_frame, g.lower_frame);
      clip_to(g, g.lower_frame);
      plot_sample(g, g.lower_frame, x_first, f, lower, colour, 1);
      store(g, session.plot_values_1, upper);
      store(g, session.plot_values_2, lower);
      break;
    case Plotted::kMagnitude:
    case Plotted::kPhase:
    case Plotted::kReactance: {
      double value = upper;
      if (traits.plotted == Plotted::kReactance) value = z.im;
      if (traits.plotted == Plotted::kPhase) value = lower;
      if (traits.marks_zero_crossings) g.main_frame.last_value = value;
      clip_to(g, g.main_frame);
      plot_sample(g, g.main_frame, x_first, f, value, colour, 1);
      store(g, session.plot_values_1, value);
      g.current_value = g.main_frame.last_value;
      break;
    }
    case Plotted::kLocus:
      if (f == x_first) g.locus_start = z;
      clip_to(g, g.main_frame);
      plot_pair_segment(g, g.main_frame, g.locus_start.re, g.locus_start.im, z.re, z.im, colour, 0);
      store(g, session.plot_values_1, z.re);
      store(g, session.plot_values_2, z.im);
      break;
    case Plotted::kNothing:
      break;
  }
  g.surface.reset_clip();
}

}  // namespace tessaly::graph
