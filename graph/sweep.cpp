#include "graph/sweep.h"

#include <cmath>
#include <limits>

#include "complex/arc_tangent.h"
#include "graph/labels.h"
#include "graph/plotting.h"
#include "graph/readout.h"
#include "graph/setup.h"
#include "models/state.h"
#include "surface/surface.h"

namespace tessaly::graph {

double sweep_frequency = 0.0;
double sweep_step = 0.0;
int point_index = 0;
double phase_degrees = 0.0;
double previous_value = 0.0;
double current_value = 0.0;
Complex locus_start{};

namespace {

constexpr double kTwoPi = 6.2831854;
constexpr double kPi = 3.1415927;

bool in(int kind, int first, int last) {
  return kind >= first && kind <= last;
}

bool stacked_kind(int kind) {
  return in(kind, 119, 132) || in(kind, 138, 144);
}

bool magnitude_and_phase(int kind) {
  return in(kind, 119, 131) || in(kind, 138, 143) || kind == 75 || kind == 76 || kind == 80 ||
         kind == 90;
}

void clip_to(const GraphFrame& f) {
  surface::set_clip_to_frame(f.left, f.bottom, f.width, f.height);
}

// The arrays hold one curve of at most kStoredPoints points; the rest is drawn, not stored.
// A NaN's sign and payload follow the processor and the order the compiler gave the operands;
// the stored values keep one NaN, so that saved files are the same bytes on every build.
void store(double* values, double v) {
  if (point_index < 0 || point_index >= kStoredPoints) return;
  values[point_index] = v == v ? v : std::numeric_limits<double>::quiet_NaN();
}

void evaluate(ModelFn model, bool reciprocal) {
  s_value = Complex(0.0, kTwoPi * sweep_frequency);
  model_result = model();
  if (reciprocal) model_result = 1.0 / model_result;
}

bool crosses_zero(double before, double after) {
  return (before <= 0.0 && after > 0.0) || (before > 0.0 && after <= 0.0);
}

}  // namespace

void sweep_and_plot(int kind, ModelFn model, GraphSettings& settings) {
  sweep_with_colour(kind, model, settings, settings.curve_number, settings.title);
}

void sweep_with_colour(int kind, ModelFn model, GraphSettings& settings, int colour,
                       const char* title) {
  if (frame_setup_count == 0) set_up_graph(kind, settings, title);
  refresh_line_attributes(settings);
  sweep_frequency_response(kind, model, settings, colour);
  corner_label(kind, settings.tag, 3);
  ++frame_setup_count;
}

SweepScale sweep_scale(int kind) {
  if (in(kind, 75, 82) || in(kind, 119, 132)) return SweepScale::kLogarithmic;
  if (in(kind, 90, 96) || in(kind, 138, 144)) return SweepScale::kLinear;
  return SweepScale::kNone;
}

double step_between_points(SweepScale scale, const GraphSettings& settings) {
  const double start = settings.sweep_start;
  const double stop = settings.sweep_stop;
  if (scale == SweepScale::kLogarithmic) {
    return std::pow(10.0, std::log10(stop / start) / static_cast<double>(settings.point_count));
  }
  return (stop - start) / settings.point_count;
}

void sweep_frequency_response(int kind, ModelFn model, GraphSettings& settings, int colour) {
  refresh_line_attributes(settings);
  point_index = 0;
  const SweepScale scale = sweep_scale(kind);
  if (scale == SweepScale::kNone) return;
  const double start = settings.sweep_start;
  sweep_step = step_between_points(scale, settings);
  sweep_frequency = start;
  const bool linear = scale == SweepScale::kLinear;
  const bool reciprocal = linear ? kind == 143 : kind == 82 || kind == 131;
  record_swept_curve(kind, model, settings, colour, reciprocal);
  for_each_sweep_frequency(scale, settings, [&](double frequency, int index) {
    sweep_frequency = frequency;
    point_index = index;
    if (linear) previous_value = main_frame.last_value;
    evaluate(model, reciprocal);
    plot_sweep_point(kind, model_result, start, sweep_frequency, colour);
    point_index = index + 1;
    if (!linear) return;
    current_value = main_frame.last_value;
    if (kind == 94 && crosses_zero(previous_value, current_value)) {
      clip_to(main_frame);
      circle_mark(main_frame, sweep_frequency, 0.0, 3, 2);
      surface::reset_clip();
    }
  });
}

void plot_sweep_point(int kind, Complex z, double x_first, double f, int colour) {
  double upper = 0.0;
  double lower = 0.0;
  if (magnitude_and_phase(kind)) {
    upper = magnitude(z);
    phase_degrees = portable_atan2(z.im, z.re) * 180.0 / kPi;
    if (phase_degrees < -180.0) phase_degrees += 360.0;
    if (phase_degrees > 180.0) phase_degrees -= 360.0;
    lower = phase_degrees;
  } else if (kind == 132) {
    upper = std::fabs(z.re);
    lower = std::fabs(z.im);
  } else if (kind == 144) {
    upper = z.re;
    lower = z.im;
  }
  if (stacked_kind(kind)) {
    clip_to(upper_frame);
    plot_sample(upper_frame, x_first, f, upper, colour, 0);
    clip_to(lower_frame);
    plot_sample(lower_frame, x_first, f, lower, colour, 1);
    store(plot_values_1, upper);
    store(plot_values_2, lower);
  } else if (kind == 75 || kind == 76 || kind == 78 || kind == 80 || kind == 90 || kind == 94 ||
             kind == 96) {
    double value = upper;
    if (kind == 78 || kind == 94 || kind == 96) value = z.im;
    if (kind == 80) value = lower;
    if (kind == 94) main_frame.last_value = value;
    clip_to(main_frame);
    plot_sample(main_frame, x_first, f, value, colour, 1);
    store(plot_values_1, value);
    current_value = main_frame.last_value;
  } else if (kind == 81 || kind == 82) {
    if (f == x_first) locus_start = z;
    clip_to(main_frame);
    plot_pair_segment(main_frame, locus_start.re, locus_start.im, z.re, z.im, colour, 0);
    store(plot_values_1, z.re);
    store(plot_values_2, z.im);
  }
  surface::reset_clip();
}

}  // namespace tessaly::graph
