// A run of one program driven by fuzzer bytes: menu commands, typed characters, state and
// dialog values set to anything (zero, negative, huge, NaN, infinite), and drawing passes onto
// the window or a printer, all onto one backend.
#pragma once

#include "core/session.h"
#include "fuzz/fuzz_input.h"
#include "graph/context.h"
#include "programs/descriptor.h"
#include "programs/instance.h"
#include "surface/backend.h"
#include "surface/surface.h"

namespace tessaly::fuzz {

// The program a run plays, from its first byte.
const ProgramDescriptor& pick_program(FuzzInput& in);

// The window of one run: the program's session from start-up, its surface and graph state.
using FuzzWindow = ProgramInstance;

// Called after every pass; may examine what the backend received and reset it.
using PassCheck = void (*)(const Session& session, surface::Backend& backend);

// Plays the rest of the input on the window until it ends or `max_passes` passes are drawn: a
// pass is the costly part.
void play_session(FuzzInput& in, FuzzWindow& window, surface::Backend& backend, int max_passes,
                  PassCheck after_pass);

}  // namespace tessaly::fuzz
