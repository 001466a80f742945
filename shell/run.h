// Start-up of a program: the colour table and the analysis state from their defaults, the
// main window at the top-left corner above other windows, then the event loop until the
// window closes. The command line carries nothing for the program.
#pragma once

#include "programs/descriptor.h"

namespace tessaly::shell {

int run_program(int argc, char** argv, const ProgramDescriptor& program);

}  // namespace tessaly::shell
