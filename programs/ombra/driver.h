#pragma once

#include "core/session.h"
#include "graph/context.h"

namespace tessaly::ombra {

// Draws the whole graph of the session's analysis state through the context.
void graph_driver(Session& session, graph::Context& g);

constexpr int kCurves = 5;

// The resistance of curve `curve` (0 to 4) of circuit 1 (parallel) or 2 (series) over the
// base resistance R0: the exercises ask about the curves the driver draws.
double curve_resistance_factor(int circuit, int curve);

}  // namespace tessaly::ombra
