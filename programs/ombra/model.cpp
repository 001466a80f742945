#include "programs/ombra/model.h"

#include "core/state.h"

namespace tessaly::ombra {

// The order of the operations fixes the rounding of every plotted value: keep it.
Complex model_evaluate() {
  const Complex s = s_value;
  const double r = component_r;
  const double l = component_l;
  const double c = component_c;
  if (circuit_index == 1) {
    const Complex a = c * s;
    const Complex b = 1.0 / (l * s);
    const Complex sum = (1.0 / r) + b;
    const Complex d = sum + a;
    return 1.0 / d;
  }
  if (circuit_index == 2) {
    const Complex a = l * s;
    const Complex b = 1.0 / (s * c);
    const Complex sum = b + a;
    return sum + r;
  }
  return Complex(0.0, 0.0);
}

}  // namespace tessaly::ombra
