// The phasors of a diagram as CSV: one row per phasor, reference first and total last.
#pragma once

#include <string>

#include "programs/phasors.h"

namespace tessaly {

std::string phasor_csv(const PhasorSet& phasors);

}  // namespace tessaly
