// One running program: its session, the surface it draws on and the graph context bound to
// that surface, made together. A window, a render, a fuzz run or a benchmark each own one.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "surface/surface.h"

namespace tessaly {

struct ProgramInstance {
  // The graph's texts in `language`.
  explicit ProgramInstance(const ProgramDescriptor& program,
                           const text::Language& language = text::source_language())
      : session(start_session(program)), graph(surface, program.corner_nudges) {
    graph.language = &language;
  }
  ProgramInstance(const ProgramInstance&) = delete;
  ProgramInstance& operator=(const ProgramInstance&) = delete;

  Session session;
  surface::Surface surface;
  graph::Context graph;
};

}  // namespace tessaly
