#include "graph/readout.h"

#include <cmath>
#include <limits>

#include "complex/arc_tangent.h"
#include "complex/complex.h"
#include "complex/hypot.h"
#include "graph/mapping.h"
#include "graph/sweep.h"
#include "models/state.h"

namespace tessaly::graph {

namespace {

constexpr double kTwoPi = 6.2831854;
constexpr double kPi = 3.1415927;

// Everything a model reads for one curve, and the sweep it was drawn over.
struct SweptCurve {
  int kind;
  ModelFn model;
  bool reciprocal;
  int colour;
  int circuit;
  double r, l, c;
  double sweep_start, sweep_stop;
  int point_count;
};

SweptCurve curves[kRecordedCurves];
int curve_count = 0;
// The frames as the recorded curves were drawn into them: the globals change with the next
// set-up, which may come long before the pointer moves again.
GraphFrame drawn_main{};
GraphFrame drawn_upper{};
GraphFrame drawn_lower{};

bool in(int kind, int first, int last) {
  return kind >= first && kind <= last;
}

bool stacked(int kind) {
  return in(kind, 119, 132) || in(kind, 138, 144);
}

// The values of the kinds that the sweep draws; false for a kind it draws nothing of.
bool values_of_kind(int kind, ReadoutValues* values) {
  if (in(kind, 119, 131) || in(kind, 138, 143) || kind == 75 || kind == 76 || kind == 80 ||
      kind == 90) {
    *values = ReadoutValues::kImpedance;
  } else if (kind == 132 || kind == 144) {
    *values = ReadoutValues::kParts;
  } else if (kind == 78 || kind == 94 || kind == 96) {
    *values = ReadoutValues::kReactance;
  } else if (kind == 81 || kind == 82) {
    *values = ReadoutValues::kLocus;
  } else {
    return false;
  }
  return true;
}

const GraphFrame& drawn_frame(ReadoutFrame frame) {
  if (frame == ReadoutFrame::kUpper) return drawn_upper;
  if (frame == ReadoutFrame::kLower) return drawn_lower;
  return drawn_main;
}

bool inside(const GraphFrame& f, double x, double y) {
  return x >= f.left && x <= f.left + f.width && y >= f.bottom - f.height && y <= f.bottom;
}

ReadoutFrame frame_under(int kind, double x, double y) {
  if (stacked(kind)) {
    if (inside(drawn_upper, x, y)) return ReadoutFrame::kUpper;
    if (inside(drawn_lower, x, y)) return ReadoutFrame::kLower;
    return ReadoutFrame::kNone;
  }
  return inside(drawn_main, x, y) ? ReadoutFrame::kMain : ReadoutFrame::kNone;
}

// The curve's model at a frequency, with every input it reads put back afterwards.
Complex evaluate(const SweptCurve& curve, double frequency) {
  const int circuit = circuit_index;
  const double r = component_r;
  const double l = component_l;
  const double c = component_c;
  const Complex s = s_value;
  circuit_index = curve.circuit;
  component_r = curve.r;
  component_l = curve.l;
  component_c = curve.c;
  s_value = Complex(0.0, kTwoPi * frequency);
  Complex z = curve.model();
  if (curve.reciprocal) z = 1.0 / z;
  circuit_index = circuit;
  component_r = r;
  component_l = l;
  component_c = c;
  s_value = s;
  return z;
}

// The phase in degrees as the sweep plots it.
double phase_of(Complex z) {
  double phase = portable_atan2(z.im, z.re) * 180.0 / kPi;
  if (phase < -180.0) phase += 360.0;
  if (phase > 180.0) phase -= 360.0;
  return phase;
}

struct ValuePair {
  double first;
  double second;
};

ValuePair values_at(int kind, ReadoutValues values, Complex z) {
  switch (values) {
    case ReadoutValues::kImpedance:
      return {magnitude(z), phase_of(z)};
    case ReadoutValues::kParts:
      if (kind == 132) return {std::fabs(z.re), std::fabs(z.im)};
      return {z.re, z.im};
    case ReadoutValues::kReactance:
      return {z.im, 0.0};
    case ReadoutValues::kLocus:
      break;
  }
  return {z.re, z.im};
}

// The one value a frame plots: the lower of two frames and the phase kind plot the second.
double plotted(int kind, ReadoutFrame frame, ValuePair v) {
  return frame == ReadoutFrame::kLower || kind == 80 ? v.second : v.first;
}

void take(Readout& out, int index, ValuePair v) {
  out.curve = index;
  out.colour = curves[index].colour;
  out.reciprocal = curves[index].reciprocal;
  out.first = v.first;
  out.second = v.second;
}

// The curve whose value at the pointer's frequency lies nearest the pointer's height.
void nearest_at_frequency(int kind, double x, double y, Readout& out) {
  const GraphFrame& f = drawn_frame(out.frame);
  out.frequency = world_x(f, x);
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i < curve_count; ++i) {
    if (curves[i].kind != kind) continue;
    const ValuePair v = values_at(kind, out.values, evaluate(curves[i], out.frequency));
    const double distance = std::fabs(unrounded_y(f, plotted(kind, out.frame, v)) - y);
    if (distance < best) {
      best = distance;
      take(out, i, v);
    }
  }
}

// The locus has no frequency axis: the nearest of the points each curve was drawn through.
void nearest_locus_point(int kind, double x, double y, Readout& out) {
  const GraphFrame& f = drawn_main;
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i < curve_count; ++i) {
    const SweptCurve& curve = curves[i];
    if (curve.kind != kind) continue;
    GraphSettings sweep{};
    sweep.sweep_start = curve.sweep_start;
    sweep.sweep_stop = curve.sweep_stop;
    sweep.point_count = curve.point_count;
    for_each_sweep_frequency(sweep_scale(kind), sweep, [&](double frequency, int) {
      const Complex z = evaluate(curve, frequency);
      const double distance =
          correctly_rounded_hypot(unrounded_x(f, z.re) - x, unrounded_y(f, z.im) - y);
      if (distance < best) {
        best = distance;
        take(out, i, {z.re, z.im});
        out.frequency = frequency;
      }
    });
  }
}

}  // namespace

void record_swept_curve(int kind, ModelFn model, const GraphSettings& settings, int colour,
                        bool reciprocal) {
  if (curve_count == 0) {
    drawn_main = main_frame;
    drawn_upper = upper_frame;
    drawn_lower = lower_frame;
  }
  if (curve_count == kRecordedCurves) return;
  curves[curve_count++] = {kind,
                           model,
                           reciprocal,
                           colour,
                           circuit_index,
                           component_r,
                           component_l,
                           component_c,
                           settings.sweep_start,
                           settings.sweep_stop,
                           settings.point_count};
}

void forget_swept_curves() {
  curve_count = 0;
}

int recorded_curve_count() {
  return curve_count;
}

Readout readout_at(double x, double y) {
  Readout out;
  if (curve_count == 0) return out;
  const int kind = curves[0].kind;
  if (!values_of_kind(kind, &out.values)) return out;
  out.frame = frame_under(kind, x, y);
  if (out.frame == ReadoutFrame::kNone) return out;
  out.reciprocal = curves[0].reciprocal;
  if (out.values == ReadoutValues::kLocus) {
    nearest_locus_point(kind, x, y, out);
  } else {
    nearest_at_frequency(kind, x, y, out);
  }
  return out;
}

void reset_readout() {
  curve_count = 0;
  drawn_main = GraphFrame{};
  drawn_upper = GraphFrame{};
  drawn_lower = GraphFrame{};
}

}  // namespace tessaly::graph
