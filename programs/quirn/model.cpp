#include "programs/quirn/model.h"

#include "core/state.h"
#include "programs/quirn/tables.h"

namespace tessaly::quirn {

Complex model_evaluate() {
  const Complex s = s_value;
  switch (circuit_index) {
    case 1:
      return Complex(circuit_constants[kResistance], 0.0);
    case 2:
      return s * circuit_constants[kInductance];
    case 3:
      return 1.0 / (s * circuit_constants[kCapacitance]);
    default:
      return Complex(0.0, 0.0);
  }
}

}  // namespace tessaly::quirn
