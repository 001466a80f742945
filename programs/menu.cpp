#include "programs/menu.h"

namespace tessaly {

bool popup_offers(const MenuPopup& popup, int command) {
  for (int i = 0; i < popup.item_count; ++i) {
    if (popup.items[i].command == command) return true;
  }
  return false;
}

bool menu_offers(const Menu& menu, int command) {
  for (int p = 0; p < menu.popup_count; ++p) {
    if (popup_offers(menu.popups[p], command)) return true;
  }
  return false;
}

}  // namespace tessaly
