// One running program: its session, the surface it draws on and the graph context bound to
// that surface, made together. A window, a render, a fuzz run or a benchmark each own one.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "surface/surface.h"

namespace tessaly {

struct ProgramInstance {
  explicit ProgramInstance(const ProgramDescriptor& program)
      : session(start_session(program)), graph(surface, program.corner_nudges) {}
  ProgramInstance(const ProgramInstance&) = delete;
  ProgramInstance& operator=(const ProgramInstance&) = delete;

  Session session;
  surface::Surface surface;
  graph::Context graph;
};

}  // namespace tessaly
