#pragma once

#include "complex/complex.h"
#include "core/session.h"

namespace tessaly::quirn {

// Impedance of the R (1), L (2) or C (3) element at s_value from the base values of the tables;
// (0, 0) for any other circuit number (the driver draws "all three" one by one).
Complex model_evaluate(const Components& parts, int circuit, Complex s);

}  // namespace tessaly::quirn
