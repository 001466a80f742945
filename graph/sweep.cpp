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
void store(double* values, int index, double v) {
  if (index < 0 || index >= kStoredPoints) return;
  values[index] = v == v ? v : std::numeric_limits<double>::quiet_NaN();
}

Complex evaluate(const Session& session, ModelFn model, bool reciprocal, double frequency) {
  const Complex z =
      model(session.components, session.circuit_index, Complex(0.0, angular_frequency(frequency)));
  return reciprocal ? 1.0 / z : z;
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
  const KindTraits& traits = kind_traits(kind);
  const SweepScale scale = traits.scale;
  g.last_sweep = SweepSummary{};
  if (scale == SweepScale::kNone) return;
  const double start = settings.sweep_start;
  g.last_sweep.logarithmic = scale == SweepScale::kLogarithmic;
  g.last_sweep.start = start;
  g.last_sweep.step = step_between_points(scale, settings);
  const bool linear = scale == SweepScale::kLinear;
  const bool reciprocal = traits.reciprocal;
  record_swept_curve(g, kind, model, session.components, session.circuit_index, settings, colour,
                     reciprocal);
  if (g.question_only) return;
  SweepPoint point;
  for_each_sweep_frequency(scale, settings, [&](double frequency, int index) {
    const double previous_value = g.main_frame.last_value;
    point.index = index;
    plot_sweep_point(g, session, kind, evaluate(session, model, reciprocal, frequency), start,
                     frequency, colour, point);
    g.last_sweep.points = index + 1;
    if (linear && traits.marks_zero_crossings &&
        crosses_zero(previous_value, g.main_frame.last_value)) {
      clip_to(g, g.main_frame);
      circle_mark(g, g.main_frame, frequency, 0.0, 3, 2);
      g.surface.reset_clip();
    }
  });
}

void plot_sweep_point(Context& g, Session& session, int kind, Complex z, double x_first, double f,
                      int colour, SweepPoint& point) {
  const KindTraits& traits = kind_traits(kind);
  double upper = 0.0;
  double lower = 0.0;
  if (takes_phase(traits.plotted)) {
    upper = magnitude(z);
    lower = portable_atan2(z.im, z.re) * 180.0 / kPi;
    if (lower < -180.0) lower += 360.0;
    if (lower > 180.0) lower -= 360.0;
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
      store(session.plot_values_1, point.index, upper);
      store(session.plot_values_2, point.index, lower);
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
      store(session.plot_values_1, point.index, value);
      break;
    }
    case Plotted::kLocus:
      if (f == x_first) point.locus_start = z;
      clip_to(g, g.main_frame);
      plot_pair_segment(g, g.main_frame, point.locus_start.re, point.locus_start.im, z.re, z.im,
                        colour, 0);
      store(session.plot_values_1, point.index, z.re);
      store(session.plot_values_2, point.index, z.im);
      break;
    case Plotted::kNothing:
      break;
  }
  g.surface.reset_clip();
}

}  // namespace tessaly::graph
