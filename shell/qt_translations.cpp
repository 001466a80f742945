#include "shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QtGlobal>

namespace tessaly::shell {

std::unique_ptr<QTranslator> install_qt_translations() {
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
    qWarning(
        "Qt's Japanese translation qtbase_ja.qm is not in %s (Debian package "
        "qt6-translations-l10n): Qt's own dialogs stay English",
        qPrintable(folder));
    return nullptr;
  }
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace tessaly::shell
