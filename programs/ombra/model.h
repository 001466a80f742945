#pragma once

#include "complex/complex.h"
#include "core/session.h"

namespace tessaly::ombra {

// Impedance of the parallel (circuit 1) or series (circuit 2) RCL circuit of these components
// at s; (0, 0) for any other circuit number.
Complex model_evaluate(const Components& parts, int circuit, Complex s);

}  // namespace tessaly::ombra
