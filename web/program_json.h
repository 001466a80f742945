// A program's menu, teaching pop-up, dialog templates and names as JSON for the web page, in
// the page's language, which builds its menus and dialogs from them rather than keeping a
// second copy of the texts; the languages offered; and the engine's numbers that the page
// needs (screen, palette, file size, command, action and repaint numbers).
#pragma once

#include <string>

#include "core/catalog.h"
#include "programs/descriptor.h"

namespace tessaly::web {

// CSS pixels: a browser has 96 to the inch whatever the screen.
constexpr int kCssDpi = 96;

std::string program_json(const ProgramDescriptor& program, const text::Language& language);

}  // namespace tessaly::web
