#include "programs/frequency_marker.h"

#include <cmath>

#include "complex/angles.h"
#include "graph/kind_traits.h"
#include "graph/mapping.h"
#include "programs/phasors.h"

namespace tessaly {

namespace {

constexpr int kLocusMarkRadius = 4;

bool inside(const graph::GraphFrame& f, double x, double y) {
  return x >= f.left && x <= f.left + f.width && y >= f.bottom - f.height && y <= f.bottom;
}

void vertical_line(graph::Context& g, const graph::GraphFrame& f, double frequency, int colour) {
  const double x = graph::unrounded_x(f, frequency);
  if (!(x >= f.left && x <= f.left + f.width)) return;
  const int sx = graph::map_x(f, frequency);
  g.surface.draw_line(sx, f.bottom - f.height, sx, f.bottom, colour, 1, 0);
}

void locus_point(graph::Context& g, const graph::SweptCurve& curve, double frequency, int colour) {
  const graph::GraphFrame& f = g.readout.drawn_main;
  Complex z =
      curve.model(curve.components, curve.circuit, Complex(0.0, angular_frequency(frequency)));
  if (curve.reciprocal) z = 1.0 / z;
  const double x = graph::unrounded_x(f, z.re);
  const double y = graph::unrounded_y(f, z.im);
  if (!inside(f, x, y)) return;
  const int sx = graph::map_x(f, z.re);
  const int sy = graph::map_y(f, z.im);
  g.surface.draw_circle(sx, sy, kLocusMarkRadius, colour, 1, 0);
  g.surface.draw_line(sx - 2 * kLocusMarkRadius, sy, sx + 2 * kLocusMarkRadius, sy, colour, 1, 0);
  g.surface.draw_line(sx, sy - 2 * kLocusMarkRadius, sx, sy + 2 * kLocusMarkRadius, colour, 1, 0);
}

constexpr int kNameRow = 16;

}  // namespace

void draw_frequency_marker(graph::Context& g, double frequency, int curve, int colour) {
  const int index = known_curve(g, curve);
  if (index < 0 || !std::isfinite(frequency)) return;
  const graph::ReadoutMemory& m = g.readout;
  if (!within_sweep(g, index, frequency)) return;
  const graph::KindTraits& traits = graph::kind_traits(m.curves[0].kind);
  if (traits.plotted == graph::Plotted::kLocus) {
    locus_point(g, m.curves[index], frequency, colour);
  } else if (traits.scale != graph::SweepScale::kNone &&
             traits.plotted != graph::Plotted::kNothing) {
    if (graph::stacked(traits)) {
      vertical_line(g, m.drawn_upper, frequency, colour);
      vertical_line(g, m.drawn_lower, frequency, colour);
    } else {
      vertical_line(g, m.drawn_main, frequency, colour);
    }
  }
}

void draw_named_marker(graph::Context& g, double frequency, int curve, int colour, const char* name,
                       int row) {
  draw_frequency_marker(g, frequency, curve, colour);
  const int index = known_curve(g, curve);
  if (index < 0 || !std::isfinite(frequency)) return;
  const graph::ReadoutMemory& m = g.readout;
  const graph::KindTraits& traits = graph::kind_traits(m.curves[0].kind);
  if (traits.plotted == graph::Plotted::kLocus) {
    const graph::GraphFrame& f = g.readout.drawn_main;
    Complex z = m.curves[index].model(m.curves[index].components, m.curves[index].circuit,
                                      Complex(0.0, angular_frequency(frequency)));
    if (m.curves[index].reciprocal) z = 1.0 / z;
    if (!inside(f, graph::unrounded_x(f, z.re), graph::unrounded_y(f, z.im))) return;
    g.surface.text_at(graph::map_x(f, z.re) + 2 * kLocusMarkRadius + 2,
                      graph::map_y(f, z.im) - kNameRow * (row + 1), name, colour, 0);
    return;
  }
  if (traits.scale == graph::SweepScale::kNone || traits.plotted == graph::Plotted::kNothing) {
    return;
  }
  const graph::GraphFrame& f = graph::stacked(traits) ? m.drawn_upper : m.drawn_main;
  const double x = graph::unrounded_x(f, frequency);
  if (!(x >= f.left && x <= f.left + f.width)) return;
  g.surface.text_centred(graph::map_x(f, frequency), f.bottom - f.height + 2 + kNameRow * row, name,
                         colour, 0);
}

}  // namespace tessaly
