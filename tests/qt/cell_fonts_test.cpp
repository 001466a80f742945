#include "surface/cell_fonts.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tessaly::surface {
namespace {

TEST(CellFonts, GlyphsSpanTheirCellsAndAreMeasuredOnce) {
  QImage image(8, 8, QImage::Format_RGB32);
  CellFont& font = cell_font(16, 8, &image);
  EXPECT_GT(font.ascent(), 8.0);
  EXPECT_LT(font.ascent(), 16.0);

  const CellGlyph& kanji = font.glyph("国", 3);
  EXPECT_EQ(kanji.text, QStringLiteral("国"));
  EXPECT_EQ(kanji.bytes, 2);
  EXPECT_FALSE(kanji.blank);
  // The stretch is taken from this very character: it fills its two byte widths exactly.
  EXPECT_DOUBLE_EQ(kanji.advance * font.stretch(), 16.0);
  EXPECT_EQ(&font.glyph("国", 3), &kanji);
  // Shaped once, one glyph on the baseline through the origin.
  ASSERT_TRUE(kanji.has_run);
  ASSERT_EQ(kanji.run.glyphIndexes().size(), 1);
  EXPECT_EQ(kanji.run.positions().at(0), QPointF(0.0, 0.0));

  const CellGlyph& other = font.glyph("图", 3);  // the same lead byte, another character
  EXPECT_EQ(other.text, QStringLiteral("图"));
  EXPECT_NE(&other, &kanji);

  EXPECT_EQ(font.glyph("A", 1).bytes, 1);
  EXPECT_EQ(font.glyph("ｲ", 3).bytes, 1);  // half-width katakana: one Shift-JIS byte
  const CellGlyph& blank = font.glyph(" ", 1);
  EXPECT_TRUE(blank.blank);
  EXPECT_FALSE(blank.has_run);
  EXPECT_EQ(blank.bytes, 1);
  const CellGlyph& wide_blank = font.glyph("\u3000", 3);
  EXPECT_TRUE(wide_blank.blank);
  EXPECT_EQ(wide_blank.bytes, 2);
}

TEST(CellFonts, OneFontPerCellAndResolution) {
  QImage screen(8, 8, QImage::Format_RGB32);
  const std::uint64_t first = cell_font(16, 8, &screen).serial();
  EXPECT_EQ(cell_font(16, 8, &screen).serial(), first);
  EXPECT_NE(cell_font(24, 12, &screen).serial(), first);
  EXPECT_NE(cell_font(16, 16, &screen).serial(), first);

  QImage paper(8, 8, QImage::Format_RGB32);
  paper.setDotsPerMeterX(23622);  // 600 dots per inch
  paper.setDotsPerMeterY(23622);
  EXPECT_NE(cell_font(16, 8, &paper).serial(), first);
  EXPECT_EQ(cell_font(16, 8, &screen).serial(), first);

  // Width 0: the face keeps its own proportions.
  EXPECT_EQ(cell_font(16, 0, &screen).stretch(), 1.0);
}

}  // namespace
}  // namespace tessaly::surface
