// The menu "MenuControl" of each program: pop-ups in order, every text exactly as shown.
#pragma once

#include "models/program.h"

namespace tessaly::resources {

extern const Menu ombra_menu;
extern const Menu velto_menu;
extern const Menu quirn_menu;

// True when the menu offers the command (a command it does not list never reaches dispatch).
bool menu_offers(const Menu& menu, int command);

}  // namespace tessaly::resources
