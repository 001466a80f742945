#include "surface/cell_fonts.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QTextLayout>
#include <QTextLine>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include "core/text.h"
#include "surface/mincho_font.h"

namespace tessaly::surface {

namespace {

constexpr std::size_t kKeptFonts = 16;
constexpr char32_t kFullWidthSample = 0x56FD;  // a kanji: the width of one double-byte cell

struct KeptFont {
  int height;
  int byte_width;
  int dpi_x;
  int dpi_y;
  std::unique_ptr<CellFont> font;
};

// Serials stay unique across threads: a backend compares them to skip setting a font again.
std::atomic<std::uint64_t> next_serial{1};

// Fonts are built, dropped, and their glyphs measured and shaped one thread at a time: the font
// database and fontconfig behind them are the process's. None of it happens on every text.
std::mutex font_lookup;

// Each thread keeps its own fonts: a font's glyph table grows while it draws, and a font
// evicted by one thread must not vanish under another (the renderer draws on every core).
struct KeptFonts {
  std::vector<KeptFont> fonts;
  ~KeptFonts() { clear(); }
  void clear() {
    const std::lock_guard<std::mutex> lock(font_lookup);
    fonts.clear();
  }
};

KeptFonts& kept_fonts() {
  thread_local KeptFonts kept;
  return kept;
}

// Fonts must not outlive the application object that owns the font database. Worker
// threads end (and drop theirs) before it goes; this clears the thread that destroys it.
void forget_fonts() {
  kept_fonts().clear();
}

// The text laid out once in the font, its glyphs moved up so that the baseline runs through the
// origin. False where it takes more than one font or nothing is drawn.
bool shaped_glyph(const QString& text, const QFont& font, QGlyphRun* run) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (!line.isValid() || runs.size() != 1) return false;
  *run = runs.first();
  QList<QPointF> positions = run->positions();
  for (QPointF& p : positions) p.ry() -= line.ascent();
  run->setPositions(positions);
  return true;
}

QFontMetricsF cell_metrics(QFont& font, int height, const QPaintDevice* device) {
  QFontMetricsF metrics(font, device);
  const double total = metrics.ascent() + metrics.descent();
  if (total > 0 && std::fabs(total - height) >= 0.5) {
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / total))));
    metrics = QFontMetricsF(font, device);
  }
  return metrics;
}

}  // namespace

// The font's cell height is ascent plus descent, as the platform's positive font heights
// are; glyphs are stretched alike so that a double-byte character fills two byte widths.
CellFont::CellFont(int height, int byte_width, const QPaintDevice* device)
    : font_(mincho_font(height)),
      metrics_(cell_metrics(font_, height, device)),
      ascent_(metrics_.ascent()),
      average_char_width_(metrics_.averageCharWidth()),
      serial_(next_serial++) {
  // Width 0 lets the platform pick the face's own proportions.
  const double sample = metrics_.horizontalAdvance(QString::fromUcs4(&kFullWidthSample, 1));
  stretch_ = byte_width > 0 && sample > 0 ? 2.0 * byte_width / sample : 1.0;
}

const CellGlyph& CellFont::glyph(const char* utf8, int length) {
  std::uint32_t key = 0;
  for (int i = 0; i < length; ++i) key = key << 8 | static_cast<unsigned char>(utf8[i]);
  const auto found = glyphs_.find(key);
  if (found != glyphs_.end()) return found->second;
  char one[5] = {};
  std::copy(utf8, utf8 + length, one);
  const QString text = QString::fromUtf8(one, length);
  const bool blank = text == QStringLiteral(" ") || text == QStringLiteral("\u3000");
  CellGlyph glyph{text, 0.0, sjis_length(one), blank, QGlyphRun(), false};
  if (!blank) {
    const std::lock_guard<std::mutex> lock(font_lookup);
    glyph.advance = metrics_.horizontalAdvance(text);
    glyph.has_run = shaped_glyph(text, font_, &glyph.run);
  }
  return glyphs_.emplace(key, glyph).first->second;
}

CellFont& cell_font(int height, int byte_width, const QPaintDevice* device) {
  const int dpi_x = device ? device->logicalDpiX() : 0;
  const int dpi_y = device ? device->logicalDpiY() : 0;
  std::vector<KeptFont>& fonts = kept_fonts().fonts;
  // The last used font stays at the back; the one unused longest goes when room is needed.
  for (auto f = fonts.begin(); f != fonts.end(); ++f) {
    if (f->height == height && f->byte_width == byte_width && f->dpi_x == dpi_x &&
        f->dpi_y == dpi_y) {
      std::rotate(f, f + 1, fonts.end());
      return *fonts.back().font;
    }
  }
  const std::lock_guard<std::mutex> lock(font_lookup);
  if (fonts.empty()) qAddPostRoutine(forget_fonts);
  if (fonts.size() >= kKeptFonts) fonts.erase(fonts.begin());
  fonts.push_back(
      {height, byte_width, dpi_x, dpi_y, std::make_unique<CellFont>(height, byte_width, device)});
  return *fonts.back().font;
}

}  // namespace tessaly::surface
