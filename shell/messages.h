// The texts, captions and icons of every message box the shell shows.
#pragma once

#include <string>

#include "core/catalog.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

UserMessage open_dialog_failed();
UserMessage save_dialog_failed();
// Each in `language`; the boxes that stand for the system's own keep their English.
UserMessage not_a_data_file(const text::Language& language);
// The system's account of the failure goes into the box's details.
UserMessage write_failed(const text::Language& language, const std::string& detail);
UserMessage read_failed(const text::Language& language, const std::string& detail);

UserMessage help_message(const text::Language& language, const char* help_text);
UserMessage version_message(const text::Language& language);

}  // namespace tessaly::shell
