#include "surface/mincho_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QRawFont>
#include <QString>

#include "surface/surface.h"

namespace tessaly::surface {
namespace {

TEST(MinchoFont, ResolvesToAJapaneseMinchoFace) {
  const QString family = resolved_mincho_family();
  EXPECT_TRUE(mincho_families().contains(family)) << family.toStdString();
  EXPECT_TRUE(family.contains(QStringLiteral("Mincho")) ||
              family.contains(QStringLiteral("Serif CJK JP")) ||
              family.contains(QStringLiteral("Serif JP")))
      << family.toStdString();
  EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
      << family.toStdString();
}

TEST(MinchoFont, CoversTheProgramsCharacters) {
  const QRawFont font = QRawFont::fromFont(mincho_font(16));
  ASSERT_TRUE(font.isValid());
  QString texts =
      QStringLiteral("ｲﾝﾀﾞｸﾀﾝｽ ｷｬﾝｾﾙ ［Ω］［Ｈｚ］｜Ｚ｜－＞Ｘ→ Ｒ、Ｃ、Ｌ素子 ０１２３");
  for (int code = 1; code <= 5; ++code) texts += QString::fromUtf8(error_message(code));
  for (const QChar c : texts) {
    EXPECT_TRUE(font.supportsCharacter(c)) << "U+" << std::hex << c.unicode();
  }
}

}  // namespace
}  // namespace tessaly::surface
