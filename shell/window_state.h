// What one program window draws from: its analysis state, the surface it paints on and the
// graph engine's state, made together so that the context draws on this very surface.
#pragma once

#include "programs/instance.h"

namespace tessaly::shell {

using WindowState = ProgramInstance;

}  // namespace tessaly::shell
