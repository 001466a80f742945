#include "shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QtGlobal>

namespace tessaly::shell {

std::unique_ptr<QTranslator> install_qt_translations(const text::Language& language) {
  const QString code = QString::fromUtf8(language.code);
  if (code == QLatin1String("en")) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QStringLiteral("qtbase_") + code, folder)) {
    qWarning(
        "Qt's translation qtbase_%s.qm is not in %s (Debian package qt6-translations-l10n): "
        "Qt's own dialogs stay English",
        qPrintable(code), qPrintable(folder));
    return nullptr;
  }
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace tessaly::shell
