// Quirn's menu "MenuControl" and its teaching pop-up.
#pragma once

#include "programs/menu.h"

namespace tessaly::quirn {

extern const Menu menu;
extern const MenuPopup teaching_popup;

}  // namespace tessaly::quirn
