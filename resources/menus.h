// The menu "MenuControl" of each program: pop-ups in order, every text exactly as shown.
#pragma once

namespace tessaly::resources {

struct MenuItem {
  int command;
  const char* text;
};

struct MenuPopup {
  const char* text;
  const MenuItem* items;
  int item_count;
};

struct Menu {
  const MenuPopup* popups;
  int popup_count;
};

extern const Menu ombra_menu;
extern const Menu velto_menu;
extern const Menu quirn_menu;

// True when the menu offers the command (a command it does not list never reaches dispatch).
bool menu_offers(const Menu& menu, int command);

}  // namespace tessaly::resources
