#include "programs/velto/model.h"

namespace tessaly::velto {

// The order of the operations fixes the rounding of every plotted value: keep it.
Complex model_evaluate(const Components& parts, int circuit, Complex s) {
  const double l = parts.component_l;
  const double c = parts.component_c;
  switch (circuit) {
    case 1:
      return s * l;
    case 2:
      return 1.0 / (s * c);
    case 3: {
      const Complex a = 1.0 / (c * s);
      const Complex b = l * s;
      return b + a;
    }
    case 4: {
      const Complex a = c * s;
      const Complex d = 1.0 / (l * s);
      return 1.0 / (d + a);
    }
    default:
      return Complex(0.0, 0.0);
  }
}

}  // namespace tessaly::velto
