// The texts, captions and icons of every message box the shell shows.
#pragma once

#include <string>

#include "shell/user_interaction.h"

namespace tessaly::shell {

UserMessage open_dialog_failed();
UserMessage save_dialog_failed();
UserMessage not_a_data_file();
// The system's account of the failure goes into the box's details.
UserMessage write_failed(const std::string& detail);
UserMessage read_failed(const std::string& detail);

UserMessage help_message(const char* help_text);
UserMessage version_message();

}  // namespace tessaly::shell
