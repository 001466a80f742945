#pragma once

#include "complex/complex.h"
#include "core/session.h"

namespace tessaly::velto {

// Impedance of the single L (1), single C (2), series LC (3) or parallel LC (4) at s, from
// the components' L and C; (0, 0) for any other circuit number.
Complex model_evaluate(const Components& parts, int circuit, Complex s);

}  // namespace tessaly::velto
