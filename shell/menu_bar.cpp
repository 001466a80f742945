#include "shell/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace tessaly::shell {

QString literal_menu_text(const char* text) {
  return QString::fromUtf8(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void build_menu_bar(QMenuBar& bar, const Menu& menu, const text::Language& language,
                    const std::function<void(int)>& on_command) {
  for (int p = 0; p < menu.popup_count; ++p) {
    const MenuPopup& popup = menu.popups[p];
    QMenu* pop_up = bar.addMenu(literal_menu_text(text::localized(language, popup.text)));
    for (int i = 0; i < popup.item_count; ++i) {
      const int command = popup.items[i].command;
      QAction* action =
          pop_up->addAction(literal_menu_text(text::localized(language, popup.items[i].text)));
      action->setData(command);
      // Menus of the platform's own style would move "終了" or "ヘルプ" elsewhere.
      action->setMenuRole(QAction::NoRole);
      QObject::connect(action, &QAction::triggered, &bar,
                       [on_command, command] { on_command(command); });
    }
  }
}

}  // namespace tessaly::shell
