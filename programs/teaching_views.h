// What a pass draws over the finished graph for teaching: the frequency marker, the phasor
// panel and the exercise's question or answer. Nothing at all while they are off.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"

namespace tessaly {

void draw_teaching_views(const Session& session, graph::Context& g);

// The marker and, with `panel`, the phasor diagram beside the graph, over the last pass: the
// window draws them over its kept picture while the pointer moves, without a new pass.
void draw_marker_and_panel(const ProgramDescriptor& program, const FrequencyMarker& marker,
                           bool panel, graph::Context& g);

}  // namespace tessaly
