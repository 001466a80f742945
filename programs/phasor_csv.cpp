#include "programs/phasor_csv.h"

#include <cstdio>

namespace tessaly {

std::string phasor_csv(const PhasorSet& phasors) {
  std::string csv = "name,real,imaginary,magnitude,phase_deg\n";
  char row[160];
  for (int i = 0; i < phasors.count; ++i) {
    const Phasor& p = phasors.items[i];
    std::snprintf(row, sizeof row, "%s,%.17g,%.17g,%.17g,%.17g\n", p.name, p.value.re, p.value.im,
                  magnitude(p.value), phase_degrees(p.value));
    csv += row;
  }
  return csv;
}

}  // namespace tessaly
