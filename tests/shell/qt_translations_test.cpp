#include "shell/qt_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tessaly::shell {
namespace {

// The questions of the save dialog and the buttons of every dialog come in Japanese.
TEST(QtTranslations, QtsOwnTextsFollowTheLanguage) {
  const std::unique_ptr<QTranslator> translator = install_qt_translations(text::source_language());
  ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is part of the set-up";
  EXPECT_EQ(
      QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
      QStringLiteral("%1 は既に存在します。\n置き換えますか?"));
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("印刷"));
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  QCoreApplication::removeTranslator(translator.get());
  // English is Qt's own: nothing to install, and the buttons say what Qt wrote.
  EXPECT_EQ(install_qt_translations(*text::find_language("en")), nullptr);
  QDialogButtonBox english(QDialogButtonBox::Cancel);
  EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace tessaly::shell
