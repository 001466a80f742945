// What one program window draws from: its analysis state, the surface it paints on and the
// graph engine's state, made together so that the context draws on this very surface.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "surface/surface.h"

namespace tessaly::shell {

struct WindowState {
  explicit WindowState(const ProgramDescriptor& program)
      : session(start_session(program)), graph(surface, program.corner_nudges) {}
  WindowState(const WindowState&) = delete;
  WindowState& operator=(const WindowState&) = delete;

  Session session;
  surface::Surface surface;
  graph::Context graph;
};

}  // namespace tessaly::shell
