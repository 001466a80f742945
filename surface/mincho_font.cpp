#include "surface/mincho_font.h"

#include <QFontInfo>

namespace tessaly::surface {

QStringList mincho_families() {
  return {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif JP"),
          QStringLiteral("MS Mincho")};
}

QFont mincho_font(int pixel_size) {
  QFont font;
  font.setFamilies(mincho_families());
  font.setStyleHint(QFont::Serif);
  font.setWeight(QFont::Normal);
  font.setPixelSize(pixel_size > 0 ? pixel_size : 1);
  return font;
}

QString resolved_mincho_family() {
  return QFontInfo(mincho_font(16)).family();
}

}  // namespace tessaly::surface
