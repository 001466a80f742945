// Prints the current graph on one page of the printer the user chooses (command 103 and the
// keys p, q and r). Cancelling the printer choice prints nothing and says nothing.
#pragma once

#include "shell/window_state.h"

class QWidget;

namespace tessaly::shell {

class UserInteraction;

// True when a page went to the printer.
bool print_graph(WindowState& state, UserInteraction& user, QWidget* owner);

}  // namespace tessaly::shell
