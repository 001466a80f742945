// The File menu's read (101) and save (102) commands: choose a file, move the plotted values,
// and tell the user about every failure.
#pragma once

class QWidget;

namespace tessaly::shell {

class UserInteraction;

void read_data_file_command(UserInteraction& user, QWidget* owner);
void save_data_file_command(UserInteraction& user, QWidget* owner);

}  // namespace tessaly::shell
