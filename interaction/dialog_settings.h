// The renderer's --set: values stored as the program's settings dialogs store them when the
// user presses OK. A name stands for one dialog's values ("circuit_constants" for "DLG1",
// "graph_constants" for "DLG2") or for one of the two magnifications of "DLG3".
#pragma once

#include <string>
#include <vector>

#include "programs/descriptor.h"

namespace tessaly::interaction {

// How many values the program's dialogs bind to name; 0 when they bind none (an unknown name,
// a dialog the program lacks, or one that shows no values).
int setting_capacity(const ProgramDescriptor& program, const std::string& name);

// Fills the dialog's edit boxes with the given texts, the rest with the current values' "%g"
// text, then stores every box as OK does, into the session's values of its program. The name
// must have room for the texts.
void store_setting(Session& session, const std::string& name,
                   const std::vector<std::string>& texts);

// The names a program binds values to, for messages and help: "circuit_constants (3), ...".
std::string setting_names(const ProgramDescriptor& program);

}  // namespace tessaly::interaction
