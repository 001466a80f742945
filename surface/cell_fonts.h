// The Mincho fonts of the text cells, with the glyphs drawn in them, kept for the whole run:
// a pass writes a few hundred characters in three or four cell sizes, and building a font or
// measuring a glyph costs more than drawing it.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QString>
#include <cstdint>
#include <unordered_map>

class QPaintDevice;

namespace tessaly::surface {

struct CellGlyph {
  QString text;
  double advance;  // the face's own advance, before the stretch
  int bytes;       // Shift-JIS bytes: the cells it takes
  bool blank;      // an ASCII or ideographic space: nothing to draw
  // The shaped glyph with its baseline at the origin, where one font draws all of it; raster
  // devices draw it without shaping the text again.
  QGlyphRun run;
  bool has_run;
};

// A font sized to one text cell, with the horizontal factor that fits its glyphs to the cell.
class CellFont {
 public:
  CellFont(int height, int byte_width, const QPaintDevice* device);

  const QFont& font() const { return font_; }
  double stretch() const { return stretch_; }
  double ascent() const { return ascent_; }
  double average_char_width() const { return average_char_width_; }
  // Every font built in this run has its own serial: equal serials mean the same font.
  std::uint64_t serial() const { return serial_; }
  // One UTF-8 character of `length` bytes.
  const CellGlyph& glyph(const char* utf8, int length);

 private:
  QFont font_;
  QFontMetricsF metrics_;
  double stretch_;
  double ascent_;
  double average_char_width_;
  std::uint64_t serial_;
  std::unordered_map<std::uint32_t, CellGlyph> glyphs_;
};

// The cell font of a height and byte width (device pixels) on devices of the device's
// resolution. The reference holds until the next call; the fonts used last are kept.
CellFont& cell_font(int height, int byte_width, const QPaintDevice* device);

}  // namespace tessaly::surface
