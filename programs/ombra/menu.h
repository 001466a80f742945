// Ombra's menu "MenuControl" and its teaching pop-up.
#pragma once

#include "programs/menu.h"

namespace tessaly::ombra {

extern const Menu menu;
extern const MenuPopup teaching_popup;

}  // namespace tessaly::ombra
