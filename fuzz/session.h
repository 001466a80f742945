// A run of one program driven by fuzzer bytes: menu commands, typed characters, state and
// dialog values set to anything (zero, negative, huge, NaN, infinite), and drawing passes onto
// the window or a printer, all onto one backend.
#pragma once

#include "fuzz/fuzz_input.h"
#include "surface/backend.h"

namespace tessaly::fuzz {

// Called after every pass; may examine what the backend received and reset it.
using PassCheck = void (*)(surface::Backend& backend);

// At most this many passes per input: a pass is the costly part.
constexpr int kMaxPasses = 2;

void play_session(FuzzInput& in, surface::Backend& backend, PassCheck after_pass);

}  // namespace tessaly::fuzz
