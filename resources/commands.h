// What a menu command or a typed character does to the analysis state, exactly as the window
// applies it, without any window: the shell, the renderer and the tests share it.
#pragma once

#include "programs/descriptor.h"

namespace tessaly {

enum class ShellAction {
  kNone,
  kReadFile,
  kSaveFile,
  kPrint,
  kQuit,
  kCircuitDialog,        // "DLG1"
  kGraphDialog,          // "DLG2"
  kMagnificationDialog,  // "DLG3"
  kHelp,
  kVersion,
};

enum class Repaint { kNone, kErase, kOverlay };

struct CommandOutcome {
  bool accepted;       // false: the program's menu does not offer the command
  ShellAction action;  // what the shell still has to do (dialogs, files, printing)
  Repaint repaint;     // the repaint request that follows the action
};

// The command as the session's program's menu offers it.
CommandOutcome apply_menu_command(Session& session, int command);
// Every character alerts (the shell does that) and ends in an erasing repaint; p, q and r
// set the print magnification and ask for a print.
CommandOutcome apply_typed_character(Session& session, char character);

// The erase flag of a command repaint under the current mode.
Repaint command_repaint(const Session& session);

}  // namespace tessaly
