// Commands 601 to 603: the settings dialog over the values it edits. "DLG1" and "DLG2" edit
// the program's circuit constants and the graph constants of the analysis selected when the
// dialog opens, "DLG3" the display and print magnifications.
#pragma once

#include <QPoint>

#include "programs/descriptor.h"

class QWidget;

namespace tessaly::shell {

class UserInteraction;

enum class SettingsKind { kCircuit = 0, kGraph = 1, kMagnification = 2 };

// Edits the session's values. Opens nothing when its program has no such template. OK stores every
// shown value as its absolute value; Cancel stores nothing.
void run_settings_command(Session& session, const text::Language& language, SettingsKind kind,
                          UserInteraction& user, QWidget* owner, QPoint anchor);

}  // namespace tessaly::shell
