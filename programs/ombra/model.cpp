#include "programs/ombra/model.h"

namespace tessaly::ombra {

// The order of the operations fixes the rounding of every plotted value: keep it.
Complex model_evaluate(const Components& parts, int circuit, Complex s) {
  const double r = parts.component_r;
  const double l = parts.component_l;
  const double c = parts.component_c;
  if (circuit == 1) {
    const Complex a = c * s;
    const Complex b = 1.0 / (l * s);
    const Complex sum = (1.0 / r) + b;
    const Complex d = sum + a;
    return 1.0 / d;
  }
  if (circuit == 2) {
    const Complex a = l * s;
    const Complex b = 1.0 / (s * c);
    const Complex sum = b + a;
    return sum + r;
  }
  return Complex(0.0, 0.0);
}

}  // namespace tessaly::ombra
