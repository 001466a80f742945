#pragma once

#include "complex/complex.h"

namespace tessaly::velto {

// Impedance of the single L (1), single C (2), series LC (3) or parallel LC (4) at s_value,
// from component_l and component_c; (0, 0) for any other circuit number.
Complex model_evaluate();

}  // namespace tessaly::velto
