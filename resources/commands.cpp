#include "resources/commands.h"

#include "core/state.h"
#include "programs/reference.h"
#include "resources/program_resources.h"

namespace tessaly {

Repaint command_repaint() {
  return (clear_before_draw == 1 || clear_pending == 1) ? Repaint::kErase : Repaint::kOverlay;
}

namespace {

ShellAction state_effect(int command) {
  switch (command) {
    case 101:
      return ShellAction::kReadFile;
    case 102:
      return ShellAction::kSaveFile;
    case 103:
      return ShellAction::kPrint;
    case 104:
      return ShellAction::kQuit;
    case 201:
      clear_pending = 0;
      clear_before_draw = 1;
      return ShellAction::kNone;
    case 202:
      clear_pending = 0;
      clear_before_draw = 0;
      return ShellAction::kNone;
    case 203:
      clear_pending = 1;
      hide_reference();
      return ShellAction::kNone;
    case 204:
      clear_pending = 0;
      show_reference();
      return ShellAction::kNone;
    case 501:
      step_count += 1.0;
      return ShellAction::kNone;
    case 502:
      step_count -= 1.0;
      return ShellAction::kNone;
    case 503:
      step_count = 0.0;
      step_count2 = 0.0;
      return ShellAction::kNone;
    case 504:
      step_count2 += 1.0;
      return ShellAction::kNone;
    case 505:
      step_count2 -= 1.0;
      return ShellAction::kNone;
    case 601:
      return ShellAction::kCircuitDialog;
    case 602:
      return ShellAction::kGraphDialog;
    case 603:
      return ShellAction::kMagnificationDialog;
    case 701:
      return ShellAction::kHelp;
    case 702:
      return ShellAction::kVersion;
    default:
      break;
  }
  if (command >= 301 && command <= 309) circuit_index = command - 300;
  if (command >= 401 && command <= 409) analysis_index = command - 400;
  return ShellAction::kNone;
}

}  // namespace

CommandOutcome apply_menu_command(const ProgramDescriptor& program, int command) {
  if (!resources::menu_offers(*resources::resources_of(program).menu, command)) {
    return {false, ShellAction::kNone, Repaint::kNone};
  }
  const ShellAction action = state_effect(command);
  switch (action) {
    case ShellAction::kPrint:
    case ShellAction::kQuit:
    case ShellAction::kHelp:
    case ShellAction::kVersion:
      return {true, action, Repaint::kNone};
    case ShellAction::kCircuitDialog:
    case ShellAction::kGraphDialog:
    case ShellAction::kMagnificationDialog:
      // The dialog's own erasing request and the command's accumulate into an erase.
      return {true, action, Repaint::kErase};
    default:
      return {true, action, command_repaint()};
  }
}

CommandOutcome apply_typed_character(char character) {
  if (character >= '1' && character <= '9') circuit_index = character - '0';
  ShellAction action = ShellAction::kNone;
  switch (character) {
    case 'a':
    case 'A':
      display_magnification = 1.0;
      break;
    case 'b':
    case 'B':
      display_magnification = 1.2;
      break;
    case 'c':
    case 'C':
      display_magnification = 1.5;
      break;
    case 'p':
    case 'P':
      print_magnification = 1.2;
      action = ShellAction::kPrint;
      break;
    case 'q':
    case 'Q':
      print_magnification = 1.0;
      action = ShellAction::kPrint;
      break;
    case 'r':
    case 'R':
      print_magnification = 0.8;
      action = ShellAction::kPrint;
      break;
    default:
      break;
  }
  return {true, action, Repaint::kErase};
}

}  // namespace tessaly
