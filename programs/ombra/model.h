#pragma once

#include "complex/complex.h"

namespace tessaly::ombra {

// Impedance of the parallel (circuit 1) or series (circuit 2) RCL circuit at s_value, from
// component_r, component_l and component_c; (0, 0) for any other circuit number.
Complex model_evaluate();

}  // namespace tessaly::ombra
