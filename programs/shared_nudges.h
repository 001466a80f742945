// The corner-tag nudges that Ombra and Velto share.
#pragma once

#include "graph/corner_nudge.h"

namespace tessaly {

extern const graph::CornerNudgeTable shared_corner_nudges;

}  // namespace tessaly
