#include "programs/phasors.h"

#include <algorithm>
#include <cmath>

#include "complex/angles.h"
#include "complex/arc_tangent.h"
#include "programs/descriptor.h"

namespace tessaly {

namespace {

struct Names {
  const char* reference;
  const char* r;
  const char* l;
  const char* c;
  const char* total;
};

constexpr Names kSeriesNames = {"I", "V_R", "V_L", "V_C", "V"};
constexpr Names kParallelNames = {"V", "I_R", "I_L", "I_C", "I"};

void add(PhasorSet& set, const char* name, Complex value) {
  set.items[set.count++] = {name, value};
}

// The sums run in the models' order (L and C first, then R), so that a series total is the
// model's impedance to the last bit.
PhasorSet series(const CircuitForm& form, const Components& parts, Complex s) {
  PhasorSet set;
  set.shape = form.shape;
  add(set, kSeriesNames.reference, kComplexOne);
  const bool has_r = form.elements & elements::kR;
  if (has_r) add(set, kSeriesNames.r, Complex(parts.component_r, 0.0));
  Complex total = kComplexZero;
  bool any = false;
  const auto element = [&](const char* name, Complex v) {
    add(set, name, v);
    total = any ? total + v : v;
    any = true;
  };
  if (form.elements & elements::kL) element(kSeriesNames.l, parts.component_l * s);
  if (form.elements & elements::kC) element(kSeriesNames.c, 1.0 / (s * parts.component_c));
  if (has_r) {
    const Complex v_r(parts.component_r, 0.0);
    total = any ? total + v_r : v_r;
  }
  add(set, kSeriesNames.total, total);
  return set;
}

PhasorSet parallel(const CircuitForm& form, const Components& parts, Complex s) {
  PhasorSet set;
  set.shape = form.shape;
  add(set, kParallelNames.reference, kComplexOne);
  Complex total = kComplexZero;
  bool any = false;
  const auto branch = [&](const char* name, Complex i) {
    add(set, name, i);
    total = any ? total + i : i;
    any = true;
  };
  if (form.elements & elements::kR) branch(kParallelNames.r, Complex(1.0 / parts.component_r));
  if (form.elements & elements::kL) branch(kParallelNames.l, 1.0 / (parts.component_l * s));
  if (form.elements & elements::kC) branch(kParallelNames.c, parts.component_c * s);
  add(set, kParallelNames.total, total);
  return set;
}

}  // namespace

PhasorSet circuit_phasors(const CircuitForm& form, const Components& components, double frequency) {
  const Complex s(0.0, angular_frequency(frequency));
  switch (form.shape) {
    case CircuitShape::kSingle:
    case CircuitShape::kSeries:
      return series(form, components, s);
    case CircuitShape::kParallel:
      return parallel(form, components, s);
    case CircuitShape::kNone:
      break;
  }
  return {};
}

CircuitForm circuit_form(const ProgramDescriptor& program, int circuit) {
  if (circuit < 0 || circuit >= program.circuit_form_count) return {CircuitShape::kNone, 0};
  return program.circuit_forms[circuit];
}

int known_curve(const graph::Context& g, int curve) {
  const int count = g.readout.curve_count;
  if (count == 0) return -1;
  return curve < 0 ? 0 : curve >= count ? count - 1 : curve;
}

PhasorSet curve_phasors(const ProgramDescriptor& program, const graph::Context& g, int curve,
                        double frequency) {
  const int index = known_curve(g, curve);
  if (index < 0) return {};
  const graph::SweptCurve& swept = g.readout.curves[index];
  return circuit_phasors(circuit_form(program, swept.circuit), swept.components, frequency);
}

bool within_sweep(const graph::Context& g, int curve, double frequency) {
  const int index = known_curve(g, curve);
  if (index < 0) return false;
  const graph::SweptCurve& swept = g.readout.curves[index];
  // A pointer at a frame's edge maps to the sweep's end give or take the last bits.
  constexpr double kRounding = 1e-9;
  const double low = std::min(swept.sweep_start, swept.sweep_stop) * (1.0 - kRounding);
  const double high = std::max(swept.sweep_start, swept.sweep_stop) * (1.0 + kRounding);
  return frequency >= low && frequency <= high;
}

// Full-precision pi here: an inductor's voltage leads by 90 degrees, not by 89.99999997.
double phase_degrees(Complex z) {
  constexpr double kDegreesPerRadian = 57.295779513082323;
  return portable_atan2(z.im, z.re) * kDegreesPerRadian;
}

}  // namespace tessaly
