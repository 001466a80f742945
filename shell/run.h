// Start-up of a program: the main window, with the analysis state from its defaults, at the
// top-left corner above other windows, then the event loop until the window closes. The command
// line carries nothing for the program.
#pragma once

#include "programs/descriptor.h"

namespace tessaly::shell {

int run_program(int argc, char** argv, const ProgramDescriptor& program);

}  // namespace tessaly::shell
