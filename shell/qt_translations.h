// Qt's own texts (file dialogs and their questions, the print dialog, standard buttons) in
// Japanese, like the menus and messages, whatever the desktop's language.
#pragma once

#include <QTranslator>
#include <memory>

namespace tessaly::shell {

// Loads Qt's Japanese translation (Debian's qt6-translations-l10n) and installs it in the
// application. Null, with a warning, when it is not installed: Qt's texts then stay English.
std::unique_ptr<QTranslator> install_qt_translations();

}  // namespace tessaly::shell
