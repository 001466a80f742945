#include "graph/readout.h"

#include <cmath>
#include <limits>

#include "complex/angles.h"
#include "complex/arc_tangent.h"
#include "complex/complex.h"
#include "complex/hypot.h"
#include "graph/kind_traits.h"
#include "graph/mapping.h"
#include "graph/sweep.h"

namespace tessaly::graph {

namespace {

// The values of the kinds that the sweep draws; false for a kind it draws nothing of.
bool values_of_kind(int kind, ReadoutValues* values) {
  switch (kind_traits(kind).plotted) {
    case Plotted::kMagnitude:
    case Plotted::kPhase:
    case Plotted::kMagnitudeAndPhase:
      *values = ReadoutValues::kImpedance;
      return true;
    case Plotted::kAbsoluteParts:
    case Plotted::kParts:
      *values = ReadoutValues::kParts;
      return true;
    case Plotted::kReactance:
      *values = ReadoutValues::kReactance;
      return true;
    case Plotted::kLocus:
      *values = ReadoutValues::kLocus;
      return true;
    case Plotted::kNothing:
      break;
  }
  return false;
}

const GraphFrame& drawn_frame(const ReadoutMemory& m, ReadoutFrame frame) {
  if (frame == ReadoutFrame::kUpper) return m.drawn_upper;
  if (frame == ReadoutFrame::kLower) return m.drawn_lower;
  return m.drawn_main;
}

bool inside(const GraphFrame& f, double x, double y) {
  return x >= f.left && x <= f.left + f.width && y >= f.bottom - f.height && y <= f.bottom;
}

ReadoutFrame frame_under(const ReadoutMemory& m, int kind, double x, double y) {
  if (stacked(kind_traits(kind))) {
    if (inside(m.drawn_upper, x, y)) return ReadoutFrame::kUpper;
    if (inside(m.drawn_lower, x, y)) return ReadoutFrame::kLower;
    return ReadoutFrame::kNone;
  }
  return inside(m.drawn_main, x, y) ? ReadoutFrame::kMain : ReadoutFrame::kNone;
}

// The curve's model at a frequency, from the inputs it was drawn with.
Complex evaluate(const SweptCurve& curve, double frequency) {
  const Complex z =
      curve.model(curve.components, curve.circuit, Complex(0.0, angular_frequency(frequency)));
  return curve.reciprocal ? 1.0 / z : z;
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
      if (kind_traits(kind).plotted == Plotted::kAbsoluteParts) {
        return {std::fabs(z.re), std::fabs(z.im)};
      }
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
  return frame == ReadoutFrame::kLower || kind_traits(kind).plotted == Plotted::kPhase ? v.second
                                                                                       : v.first;
}

void take(const ReadoutMemory& m, Readout& out, int index, ValuePair v) {
  out.curve = index;
  out.colour = m.curves[index].colour;
  out.reciprocal = m.curves[index].reciprocal;
  out.first = v.first;
  out.second = v.second;
}

// The curve whose value at the pointer's frequency lies nearest the pointer's height.
void nearest_at_frequency(const ReadoutMemory& m, int kind, double x, double y, Readout& out) {
  const GraphFrame& f = drawn_frame(m, out.frame);
  out.frequency = world_x(f, x);
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i < m.curve_count; ++i) {
    if (m.curves[i].kind != kind) continue;
    const ValuePair v = values_at(kind, out.values, evaluate(m.curves[i], out.frequency));
    const double distance = std::fabs(unrounded_y(f, plotted(kind, out.frame, v)) - y);
    if (distance < best) {
      best = distance;
      take(m, out, i, v);
    }
  }
}

// The locus has no frequency axis: the nearest of the points each curve was drawn through.
void nearest_locus_point(const ReadoutMemory& m, int kind, double x, double y, Readout& out) {
  const GraphFrame& f = m.drawn_main;
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i < m.curve_count; ++i) {
    const SweptCurve& curve = m.curves[i];
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
        take(m, out, i, {z.re, z.im});
        out.frequency = frequency;
      }
    });
  }
}

}  // namespace

void record_swept_curve(Context& g, int kind, ModelFn model, const Components& components,
                        int circuit, const GraphSettings& settings, int colour, bool reciprocal) {
  ReadoutMemory& m = g.readout;
  if (m.curve_count == 0) {
    m.drawn_main = g.main_frame;
    m.drawn_upper = g.upper_frame;
    m.drawn_lower = g.lower_frame;
  }
  if (m.curve_count == kRecordedCurves) return;
  m.curves[m.curve_count++] = {kind,
                               model,
                               reciprocal,
                               colour,
                               circuit,
                               components,
                               settings.sweep_start,
                               settings.sweep_stop,
                               settings.point_count};
}

void forget_swept_curves(Context& g) {
  g.readout.curve_count = 0;
}

Readout readout_at(const Context& g, double x, double y) {
  const ReadoutMemory& m = g.readout;
  Readout out;
  if (m.curve_count == 0) return out;
  const int kind = m.curves[0].kind;
  if (!values_of_kind(kind, &out.values)) return out;
  out.frame = frame_under(m, kind, x, y);
  if (out.frame == ReadoutFrame::kNone) return out;
  out.reciprocal = m.curves[0].reciprocal;
  if (out.values == ReadoutValues::kLocus) {
    nearest_locus_point(m, kind, x, y, out);
  } else {
    nearest_at_frequency(m, kind, x, y, out);
  }
  return out;
}

}  // namespace tessaly::graph
