#include "graph/context.h"

#include "graph/setup.h"

namespace tessaly::graph {

Context::Context(surface::Surface& target, const CornerNudgeTable* nudges)
    : surface(target), corner_nudges(nudges) {
  reset_axis_labels(*this);
}

}  // namespace tessaly::graph
