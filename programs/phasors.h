// The phasors of a circuit at one frequency: the reference (1 A through a series circuit or a
// single element, 1 V across a parallel one), each element's voltage or branch current, and
// their sum, which is Z (series) or 1/Z (parallel) of that reference.
#pragma once

#include "complex/complex.h"
#include "core/session.h"
#include "graph/context.h"
#include "programs/circuit_form.h"

namespace tessaly {

struct ProgramDescriptor;

constexpr int kMostPhasors = 5;  // reference, R, L, C, total

struct Phasor {
  const char* name;  // "I", "V_R", ...
  Complex value;     // [A] or [V]
};

struct PhasorSet {
  CircuitShape shape = CircuitShape::kNone;
  int count = 0;  // 0: the circuit has no phasors
  Phasor items[kMostPhasors] = {};

  const Phasor& reference() const { return items[0]; }
  const Phasor& total() const { return items[count - 1]; }
  // Whether a phasor is a voltage (V) or a current (A).
  static bool is_voltage(const Phasor& p) { return p.name[0] == 'V'; }
};

// Reference first, then the elements in the order R, L, C, then the total.
PhasorSet circuit_phasors(const CircuitForm& form, const Components& components, double frequency);

// The form of a circuit number of a program; kNone past its table.
CircuitForm circuit_form(const ProgramDescriptor& program, int circuit);

// The curve index clamped to the curves of the last pass; -1 where there are none.
int known_curve(const graph::Context& g, int curve);

// The phasors of curve `curve` of the last pass (clamped to the curves known) at a frequency.
PhasorSet curve_phasors(const ProgramDescriptor& program, const graph::Context& g, int curve,
                        double frequency);

// Whether `frequency` lies within the sweep of curve `curve` of the last pass (clamped as
// above; up to rounding at its ends): elsewhere its phasors are no part of the graph.
bool within_sweep(const graph::Context& g, int curve, double frequency);

// Angle in degrees, -180 to 180.
double phase_degrees(Complex z);

}  // namespace tessaly
