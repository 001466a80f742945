// Qt's own texts (file dialogs and their questions, the print dialog, standard buttons) in the
// language of the menus and messages, whatever the desktop's language.
#pragma once

#include <QTranslator>
#include <memory>

#include "core/catalog.h"

namespace tessaly::shell {

// Loads Qt's translation into `language` (Debian's qt6-translations-l10n) and installs it in
// the application; the caller removes it by destroying it. Null for English, which is Qt's own
// language, and, with a warning, where the translation is not installed: Qt's texts then stay
// English.
std::unique_ptr<QTranslator> install_qt_translations(const text::Language& language);

}  // namespace tessaly::shell
