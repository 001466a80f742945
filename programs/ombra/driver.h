#pragma once

#include "core/session.h"
#include "graph/context.h"

namespace tessaly::ombra {

// Draws the whole graph of the session's analysis state through the context.
void graph_driver(Session& session, graph::Context& g);

}  // namespace tessaly::ombra
