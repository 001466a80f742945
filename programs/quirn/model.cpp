#include "programs/quirn/model.h"

namespace tessaly::quirn {

Complex model_evaluate(const Components& parts, int circuit, Complex s) {
  switch (circuit) {
    case 1:
      return Complex(parts.component_r, 0.0);
    case 2:
      return s * parts.component_l;
    case 3:
      return 1.0 / (s * parts.component_c);
    default:
      return Complex(0.0, 0.0);
  }
}

}  // namespace tessaly::quirn
