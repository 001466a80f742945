// The File menu's read (101) and save (102) commands: choose a file, move the plotted values,
// and tell the user about every failure.
#pragma once

class QWidget;

#include "core/catalog.h"

namespace tessaly {
struct Session;
class TemporaryFileWatch;
}  // namespace tessaly

namespace tessaly::shell {

class UserInteraction;

// Into and out of the session's plotted values.
void read_data_file_command(Session& session, const text::Language& language, UserInteraction& user,
                            QWidget* owner);
// `watch`, where given, removes a half-written file if a signal ends the process meanwhile.
void save_data_file_command(const Session& session, const text::Language& language,
                            UserInteraction& user, QWidget* owner,
                            TemporaryFileWatch* watch = nullptr);

}  // namespace tessaly::shell
