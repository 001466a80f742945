#include "resources/commands.h"

#include "core/reference_curve.h"
#include "resources/program_resources.h"

namespace tessaly {

Repaint command_repaint(const Session& session) {
  return (session.clear_before_draw == 1 || session.clear_pending == 1) ? Repaint::kErase
                                                                        : Repaint::kOverlay;
}

namespace {

ShellAction state_effect(Session& s, int command) {
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
      s.clear_pending = 0;
      s.clear_before_draw = 1;
      return ShellAction::kNone;
    case 202:
      s.clear_pending = 0;
      s.clear_before_draw = 0;
      return ShellAction::kNone;
    case 203:
      s.clear_pending = 1;
      hide_reference(s);
      return ShellAction::kNone;
    case 204:
      s.clear_pending = 0;
      show_reference(s);
      return ShellAction::kNone;
    case 501:
      s.step_count += 1.0;
      return ShellAction::kNone;
    case 502:
      s.step_count -= 1.0;
      return ShellAction::kNone;
    case 503:
      s.step_count = 0.0;
      s.step_count2 = 0.0;
      return ShellAction::kNone;
    case 504:
      s.step_count2 += 1.0;
      return ShellAction::kNone;
    case 505:
      s.step_count2 -= 1.0;
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
  if (command >= 301 && command <= 309) s.circuit_index = command - 300;
  if (command >= 401 && command <= 409) s.analysis_index = command - 400;
  return ShellAction::kNone;
}

}  // namespace

CommandOutcome apply_menu_command(Session& session, int command) {
  if (!resources::menu_offers(*resources::resources_of(*session.program).menu, command)) {
    return {false, ShellAction::kNone, Repaint::kNone};
  }
  const ShellAction action = state_effect(session, command);
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
      return {true, action, command_repaint(session)};
  }
}

CommandOutcome apply_typed_character(Session& s, char character) {
  if (character >= '1' && character <= '9') s.circuit_index = character - '0';
  ShellAction action = ShellAction::kNone;
  switch (character) {
    case 'a':
    case 'A':
      s.display_magnification = 1.0;
      break;
    case 'b':
    case 'B':
      s.display_magnification = 1.2;
      break;
    case 'c':
    case 'C':
      s.display_magnification = 1.5;
      break;
    case 'p':
    case 'P':
      s.print_magnification = 1.2;
      action = ShellAction::kPrint;
      break;
    case 'q':
    case 'Q':
      s.print_magnification = 1.0;
      action = ShellAction::kPrint;
      break;
    case 'r':
    case 'R':
      s.print_magnification = 0.8;
      action = ShellAction::kPrint;
      break;
    default:
      break;
  }
  return {true, action, Repaint::kErase};
}

}  // namespace tessaly
