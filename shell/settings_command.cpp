#include "shell/settings_command.h"

#include <QLineEdit>
#include <algorithm>

#include "core/session.h"
#include "programs/descriptor.h"
#include "shell/settings_dialog.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

namespace {

constexpr int kMaxValues = 5;

int bound_count(const ValueList& list) {
  if (!list.row) return 0;
  return std::clamp(list.count, 0, kMaxValues);
}

}  // namespace

void run_settings_command(Session& session, const text::Language& language, SettingsKind kind,
                          UserInteraction& user, QWidget* owner, QPoint anchor) {
  const ProgramDescriptor& program = *session.program;
  const DialogTemplate* dialog_template = program.dialogs[static_cast<int>(kind)];
  if (!dialog_template) return;

  double magnifications[2] = {session.display_magnification, session.print_magnification};
  double* values = magnifications;
  int count = 2;
  // The list in force now: the dialog is modal, so the analysis cannot change under it.
  if (kind != SettingsKind::kMagnification) {
    const ValueList& list =
        kind == SettingsKind::kCircuit ? program.circuit_constants : program.graph_constants;
    count = bound_count(list);
    if (count > 0) values = list.row(session);
  }

  SettingsDialog dialog(*dialog_template, language, owner, anchor);
  dialog.show_values(values, count);
  if (kind == SettingsKind::kGraph) {
    for (int i = 0; i < dialog.edit_count(); ++i) {
      dialog.edit(i)->setEnabled(
          graph_field_used(*session.program, session.analysis_index, static_cast<GraphField>(i)));
    }
  }
  if (user.run_dialog(dialog) != QDialog::Accepted) return;
  dialog.read_values(values, count);
  if (kind == SettingsKind::kMagnification) {
    session.display_magnification = magnifications[0];
    session.print_magnification = magnifications[1];
  }
}

}  // namespace tessaly::shell
