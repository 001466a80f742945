// A run of one program driven by fuzzer bytes: menu commands, typed characters, state and
// dialog values set to anything (zero, negative, huge, NaN, infinite), and drawing passes onto
// the window or a printer, all onto one backend.
#pragma once

#include "fuzz/fuzz_input.h"
#include "surface/backend.h"

namespace tessaly::fuzz {

// Called after every pass; may examine what the backend received and reset it.
using PassCheck = void (*)(surface::Backend& backend);

// Plays the input until it ends or `max_passes` passes are drawn: a pass is the costly part.
void play_session(FuzzInput& in, surface::Backend& backend, int max_passes, PassCheck after_pass);

}  // namespace tessaly::fuzz
