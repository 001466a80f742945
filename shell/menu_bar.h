// The program's menu "MenuControl" as a Qt menu bar: the pop-ups in order, every text exactly
// as the program has it in the chosen language (trailing blanks kept, '&' shown as itself
// rather than a mnemonic).
#pragma once

#include <functional>

#include "programs/menu.h"

class QMenuBar;
class QString;

namespace tessaly::shell {

// Each action carries its command number as data and calls on_command with it.
void build_menu_bar(QMenuBar& bar, const Menu& menu, const text::Language& language,
                    const std::function<void(int)>& on_command);

// A menu text with every '&' doubled, so Qt shows it instead of making a mnemonic.
QString literal_menu_text(const char* text);

}  // namespace tessaly::shell
