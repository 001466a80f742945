// The exercise drawn over its graph: the question under the frames, or the answer marked on
// the curves (f0, and for Q the half-power frequencies) with the prediction and its error.
#pragma once

#include "core/session.h"
#include "graph/context.h"

namespace tessaly {

constexpr int kPredictionColour = 14;  // dark yellow: no curve, no marker

void draw_exercise(const Session& session, graph::Context& g);

}  // namespace tessaly
