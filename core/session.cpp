#include "core/session.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

double drawn_magnification(double stored) {
  if (std::isnan(stored)) return 1.0;
  return std::clamp(stored, kLeastMagnification, kGreatestMagnification);
}

}  // namespace tessaly
