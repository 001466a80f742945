// A program's menu, teaching pop-up, dialog templates and names as JSON for the web page, which
// builds its menus and dialogs from them rather than keeping a second copy of the texts; and
// the engine's numbers that the page needs (screen, palette, file size, command, action and
// repaint numbers).
#pragma once

#include <string>

#include "programs/descriptor.h"

namespace tessaly::web {

// CSS pixels: a browser has 96 to the inch whatever the screen.
constexpr int kCssDpi = 96;

std::string program_json(const ProgramDescriptor& program);

}  // namespace tessaly::web
