// A program's menu, dialog templates and names as JSON for the web page, which builds its
// menus and dialogs from them rather than keeping a second copy of the texts.
#pragma once

#include <string>

#include "programs/descriptor.h"

namespace tessaly::web {

std::string program_json(const ProgramDescriptor& program);

}  // namespace tessaly::web
