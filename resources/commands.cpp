#include "resources/commands.h"

#include "core/reference_curve.h"

namespace tessaly {

Repaint command_repaint(const Session& session) {
  return (session.clear_before_draw == 1 || session.clear_pending == 1) ? Repaint::kErase
                                                                        : Repaint::kOverlay;
}

namespace {

ShellAction state_effect(Session& s, int command) {
  switch (command) {
    case commands::kReadFile:
      return ShellAction::kReadFile;
    case commands::kSaveFile:
      return ShellAction::kSaveFile;
    case commands::kPrint:
      return ShellAction::kPrint;
    case commands::kQuit:
      return ShellAction::kQuit;
    case commands::kRedraw:
      s.clear_pending = 0;
      s.clear_before_draw = 1;
      return ShellAction::kNone;
    case commands::kOverlay:
      s.clear_pending = 0;
      s.clear_before_draw = 0;
      return ShellAction::kNone;
    case commands::kClear:
      s.clear_pending = 1;
      hide_reference(s);
      return ShellAction::kNone;
    case commands::kShowData:
      s.clear_pending = 0;
      show_reference(s);
      return ShellAction::kNone;
    case commands::kStepUp:
      s.step_count += 1.0;
      return ShellAction::kNone;
    case commands::kStepDown:
      s.step_count -= 1.0;
      return ShellAction::kNone;
    case commands::kStepReset:
      s.step_count = 0.0;
      s.step_count2 = 0.0;
      return ShellAction::kNone;
    case commands::kSecondStepUp:
      s.step_count2 += 1.0;
      return ShellAction::kNone;
    case commands::kSecondStepDown:
      s.step_count2 -= 1.0;
      return ShellAction::kNone;
    case commands::kCircuitDialog:
      return ShellAction::kCircuitDialog;
    case commands::kGraphDialog:
      return ShellAction::kGraphDialog;
    case commands::kMagnificationDialog:
      return ShellAction::kMagnificationDialog;
    case commands::kHelp:
      return ShellAction::kHelp;
    case commands::kVersion:
      return ShellAction::kVersion;
    default:
      break;
  }
  if (command >= commands::kFirstCircuit && command <= commands::kLastCircuit) {
    s.circuit_index = command - commands::kFirstCircuit + 1;
  }
  if (command >= commands::kFirstAnalysis && command <= commands::kLastAnalysis) {
    s.analysis_index = command - commands::kFirstAnalysis + 1;
  }
  return ShellAction::kNone;
}

}  // namespace

CommandOutcome apply_menu_command(Session& session, int command) {
  if (!menu_offers(*session.program->menu, command)) {
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
