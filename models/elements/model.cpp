#include "models/elements/model.h"

#include "models/elements/tables.h"
#include "models/state.h"

namespace tessaly::quirn {

Complex model_evaluate() {
  const Complex s = s_value;
  switch (circuit_index) {
    case 1:
      return Complex(kBaseResistance, 0.0);
    case 2:
      return s * kBaseInductance;
    case 3:
      return 1.0 / (s * kBaseCapacitance);
    default:
      return Complex(0.0, 0.0);
  }
}

}  // namespace tessaly::quirn
