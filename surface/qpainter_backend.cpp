#include "surface/qpainter_backend.h"

#include <QPaintEngine>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "surface/cell_fonts.h"
#include "surface/surface.h"

namespace tessaly::surface {

namespace {

constexpr std::size_t kKeptPens = 64;

QColor qt_colour(int colour) {
  const Rgb rgb = colour_rgb(colour);
  return QColor(rgb.r, rgb.g, rgb.b);
}

Qt::PenStyle qt_pen_style(int style) {
  switch (style) {
    case 1:
      return Qt::DashLine;
    case 2:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case 4:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

// The line mix modes (R2_NOT, R2_XORPEN, R2_MASKPEN, R2_MERGEPEN); any other draws the pen.
QPainter::CompositionMode mix_mode(int mode) {
  switch (mode) {
    case 6:
      return QPainter::RasterOp_NotDestination;
    case 7:
      return QPainter::RasterOp_SourceXorDestination;
    case 9:
      return QPainter::RasterOp_SourceAndDestination;
    case 15:
      return QPainter::RasterOp_SourceOrDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

// The block-transfer raster operations SRCPAINT, SRCAND, SRCINVERT; any other copies.
QPainter::CompositionMode blit_mode(int raster_op) {
  switch (raster_op) {
    case 0x00EE0086:
      return QPainter::RasterOp_SourceOrDestination;
    case 0x008800C6:
      return QPainter::RasterOp_SourceAndDestination;
    case 0x00660046:
      return QPainter::RasterOp_SourceXorDestination;
    default:
      return QPainter::CompositionMode_Source;
  }
}

// floor(v + 0.5). Far off the device a pixel position only has to stay far off, and a valid
// int. The floor by hand: this runs for every end pixel, and libm's costs a call.
int nearest_pixel(double v) {
  const double p = v + 0.5;
  if (!(p > -1e9 && p < 1e9)) return p > 0 ? 1000000000 : -1000000000;
  const int whole = static_cast<int>(p);
  return whole > p ? whole - 1 : whole;
}

// Both rectangles valid.
bool holds(const QRect& outer, const QRect& inner) {
  return inner.left() >= outer.left() && inner.right() <= outer.right() &&
         inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

bool holds(const QRect& outer, QPoint p) {
  return p.x() >= outer.left() && p.x() <= outer.right() && p.y() >= outer.top() &&
         p.y() <= outer.bottom();
}

// Qt's raster spans (lines, fills) leave the upper halves of the AVX registers in use. Until
// something clears them, every switch between plain SSE code and the VEX code of libm's log10,
// atan2 and floor costs a state transition: the sweep between two lines runs several times
// slower. Each drawing call therefore ends by clearing them. Out of line, so that no caller
// keeps a vector value in a register across it.
__attribute__((noinline)) void clear_vector_upper_halves() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool has_avx = __builtin_cpu_supports("avx");
  if (has_avx) __asm__ volatile("vzeroupper");
#endif
}

// Clears them when a drawing call returns, by whichever path.
struct AfterQtDrawing {
  AfterQtDrawing() = default;
  AfterQtDrawing(const AfterQtDrawing&) = delete;
  AfterQtDrawing& operator=(const AfterQtDrawing&) = delete;
  ~AfterQtDrawing() { clear_vector_upper_halves(); }
};

int utf8_sequence_length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

QPainterBackend::QPainterBackend(QPainter& painter, const DeviceGeometry& geometry)
    : painter_(painter),
      geometry_(geometry),
      image_(painter.device() && painter.device()->devType() == QInternal::Image
                 ? static_cast<QImage*>(painter.device())
                 : nullptr),
      direct_pixels_(image_ && (image_->format() == QImage::Format_RGB32 ||
                                image_->format() == QImage::Format_ARGB32 ||
                                image_->format() == QImage::Format_ARGB32_Premultiplied)),
      dots_as_strokes_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf),
      clip_(painter.device() ? QRect(0, 0, painter.device()->width(), painter.device()->height())
                             : QRect()),
      composition_(painter.compositionMode()) {
  set_mapping(painter.worldTransform());
  for (int colour = 0; colour < 16; ++colour) brushes_[colour] = QBrush(qt_colour(colour));
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QPainterBackend::~QPainterBackend() {
  if (painter_.isActive()) apply_clip();
}

void QPainterBackend::logical_screen(int width, int height, double magnification) {
  const WindowMapping mapping = window_mapping(width, height, magnification);
  set_mapping(QTransform::fromScale(mapping.scale, mapping.scale));
  painter_.setWorldTransform(mapping_);
}

void QPainterBackend::set_mapping(const QTransform& mapping) {
  mapping_ = mapping;
  mapping_scales_only_ = mapping.type() <= QTransform::TxScale;
}

void QPainterBackend::prepare(int mode, const QRect* reach) {
  apply_clip(reach);
  // Raster operations exist on images only; other devices draw with the pen.
  set_composition(image_ ? mix_mode(mode) : QPainter::CompositionMode_SourceOver);
  if (!brush_none_) {
    painter_.setBrush(Qt::NoBrush);
    brush_none_ = true;
  }
}

void QPainterBackend::set_composition(QPainter::CompositionMode mode) {
  if (mode == composition_) return;
  painter_.setCompositionMode(mode);
  composition_ = mode;
}

const QPen& QPainterBackend::text_pen(int colour) {
  const int c = colour >= 0 && colour < 16 ? colour : 0;
  if (!text_pen_made_[c]) {
    text_pens_[c] = QPen(qt_colour(c));
    text_pen_made_[c] = true;
  }
  return text_pens_[c];
}

// Width 0 is the thinnest line of the device. Pens wider than one unit are always solid, as
// the platform draws its dash styles only at width 0 or 1.
void QPainterBackend::set_pen(int colour, int width, int style) {
  for (const CachedPen& cached : pens_) {
    if (cached.colour == colour && cached.width == width && cached.style == style) {
      painter_.setPen(cached.pen);
      return;
    }
  }
  if (pens_.size() >= kKeptPens) pens_.clear();
  const int w = width > 0 ? width : 0;
  pens_.push_back({colour, width, style,
                   QPen(qt_colour(colour), w, w > 1 ? Qt::SolidLine : qt_pen_style(style),
                        w > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin)});
  painter_.setPen(pens_.back().pen);
}

const QPen& QPainterBackend::dot_pen(int colour, int width) {
  for (const CachedPen& cached : dot_pens_) {
    if (cached.colour == colour && cached.width == width) return cached.pen;
  }
  if (dot_pens_.size() >= kKeptPens) dot_pens_.clear();
  dot_pens_.push_back({colour, width, 0,
                       QPen(qt_colour(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)});
  return dot_pens_.back().pen;
}

// For a mapping without rotation or shear this is QTransform::map's own arithmetic.
QPoint QPainterBackend::to_pixel(QPoint point) const {
  if (mapping_scales_only_) {
    return QPoint(nearest_pixel(mapping_.m11() * point.x() + mapping_.dx()),
                  nearest_pixel(mapping_.m22() * point.y() + mapping_.dy()));
  }
  const QPointF p = mapping_.map(QPointF(point));
  return QPoint(nearest_pixel(p.x()), nearest_pixel(p.y()));
}

QRect QPainterBackend::to_pixels(const DeviceRect& rect) const {
  const QPoint a = to_pixel(QPoint(rect.left, rect.top));
  const QPoint b = to_pixel(QPoint(rect.right, rect.bottom));
  return QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y());
}

void QPainterBackend::fill_pixels(const QRect& rect, const QColor& colour) {
  const QTransform mapping = painter_.worldTransform();
  painter_.resetTransform();
  painter_.fillRect(rect, colour);
  painter_.setWorldTransform(mapping);
}

// The platform's line leaves out its last pixel; the primitives set it on their own, by copy.
// On an image that is one store; a painter call would cost a transform round trip and a fill.
void QPainterBackend::set_pixel(QPoint point, int colour) {
  const QPoint pixel = to_pixel(point);
  if (direct_pixels_ && clip_.isValid()) {
    if (holds(clip_, pixel) && holds(image_->rect(), pixel)) {
      const Rgb rgb = colour_rgb(colour);
      reinterpret_cast<QRgb*>(image_->scanLine(pixel.y()))[pixel.x()] = qRgb(rgb.r, rgb.g, rgb.b);
    }
    return;
  }
  set_composition(QPainter::CompositionMode_SourceOver);
  fill_pixels(QRect(pixel, QSize(1, 1)), qt_colour(colour));
}

void QPainterBackend::line(int x1, int y1, int x2, int y2, int colour, int width, int style,
                           int mode) {
  const AfterQtDrawing cleared;
  const QPoint start(geometry_.device_x(x1), geometry_.device_y(y1));
  const QPoint end(geometry_.device_x(x2), geometry_.device_y(y2));
  QRect reach;
  prepare(mode, line_reach(start, end, width, &reach) ? &reach : nullptr);
  set_pen(colour, width, style);
  painter_.drawLine(start, end);
  clear_vector_upper_halves();
  set_pixel(end, colour);
}

// A line of no length: a round dot where the pen is wider than one device pixel, and the one
// pixel under the point in every case.
void QPainterBackend::point(int x, int y, int colour, int width, int mode) {
  const AfterQtDrawing cleared;
  prepare(mode);
  const QPoint at(geometry_.device_x(x), geometry_.device_y(y));
  // The pixel set below lies within 1.5 pixels of the centre along each axis; a disc this
  // wide covers it already, and a PDF would write it as a square of its own.
  constexpr double kDotCoversItsPixel = 4.25;
  const double diameter = width * mapping_.m11();  // in device pixels
  if (diameter > 1.0) {
    if (dots_as_strokes_) {
      // The same disc: a stroke of no length with round caps as wide as the dot.
      painter_.setPen(dot_pen(colour, width));
      painter_.drawPoint(at);
    } else {
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(colour >= 0 && colour < 16 ? brushes_[colour] : QBrush(qt_colour(colour)));
      brush_none_ = false;
      painter_.drawEllipse(QPointF(at), width / 2.0, width / 2.0);
    }
    clear_vector_upper_halves();
  }
  if (dots_as_strokes_ && diameter >= kDotCoversItsPixel) return;
  set_pixel(at, colour);
}

void QPainterBackend::fill(int x1, int y1, int x2, int y2, int colour) {
  const AfterQtDrawing cleared;
  prepare(kCopyPen);
  fill_pixels(to_pixels(geometry_.box_device_rect(x1, y1, x2, y2)), qt_colour(colour));
}

void QPainterBackend::box(int x1, int y1, int x2, int y2, int colour, int width, int style) {
  const AfterQtDrawing cleared;
  prepare(kCopyPen);
  set_pen(colour, width, style);
  const DeviceRect r = geometry_.box_device_rect(x1, y1, x2, y2);
  painter_.drawRect(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
}

void QPainterBackend::ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) {
  const AfterQtDrawing cleared;
  prepare(kCopyPen);
  set_pen(colour, width, style);
  const DeviceRect r = geometry_.ellipse_device_rect(cx, cy, rx, ry);
  painter_.drawEllipse(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
}

// Fills the pixels around the point up to pixels of the border colour, inside the clip, one
// horizontal run at a time. Only a raster image can be read back; other devices skip it.
void QPainterBackend::flood(int x, int y, int fill_colour, int border_colour) {
  const AfterQtDrawing cleared;
  if (!image_) return;
  const QRect bounds = image_->rect() & clip_;
  const QPoint start = to_pixel(QPoint(geometry_.device_x(x), geometry_.device_y(y)));
  if (!bounds.contains(start)) return;
  const Rgb b = colour_rgb(border_colour);
  const QRgb border = qRgb(b.r, b.g, b.b) & RGB_MASK;
  const QImage& pixels = *image_;
  const int width = bounds.width();
  std::vector<bool> done(static_cast<std::size_t>(width) * bounds.height(), false);
  auto open = [&](int px, int py) {
    const std::size_t i =
        static_cast<std::size_t>(py - bounds.top()) * width + (px - bounds.left());
    return !done[i] && (pixels.pixel(px, py) & RGB_MASK) != border;
  };

  prepare(kCopyPen);
  const QColor colour = qt_colour(fill_colour);
  const QTransform mapping = painter_.worldTransform();
  painter_.resetTransform();
  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint seed = seeds.back();
    seeds.pop_back();
    if (!open(seed.x(), seed.y())) continue;
    int left = seed.x();
    int right = seed.x();
    while (left > bounds.left() && open(left - 1, seed.y())) --left;
    while (right < bounds.right() && open(right + 1, seed.y())) ++right;
    const std::size_t row = static_cast<std::size_t>(seed.y() - bounds.top()) * width;
    for (int px = left; px <= right; ++px) done[row + (px - bounds.left())] = true;
    painter_.fillRect(QRect(left, seed.y(), right - left + 1, 1), colour);
    for (const int py : {seed.y() - 1, seed.y() + 1}) {
      if (py < bounds.top() || py > bounds.bottom()) continue;
      bool in_run = false;
      for (int px = left; px <= right; ++px) {
        const bool o = open(px, py);
        if (o && !in_run) seeds.emplace_back(px, py);
        in_run = o;
      }
    }
  }
  painter_.setWorldTransform(mapping);
}

// Each character sits in its own cells: one byte width per Shift-JIS byte.
void QPainterBackend::text(int x, int y, int colour, int direction, double wf, double hf,
                           const char* text) {
  const AfterQtDrawing cleared;
  const FontCell cell = geometry_.font_cell(wf, hf);
  if (cell.height <= 0) return;
  CellFont& f = cell_font(cell.height, cell.byte_width, painter_.device());
  const double byte_width = cell.byte_width > 0 ? cell.byte_width : f.average_char_width();
  prepare(kCopyPen);
  painter_.setPen(colour >= 0 && colour < 16 ? text_pen(colour) : QPen(qt_colour(colour)));
  if (f.serial() != font_serial_) {
    painter_.setFont(f.font());
    font_serial_ = f.serial();
  }
  const QTransform mapping = painter_.worldTransform();
  QTransform origin = mapping;
  origin.translate(geometry_.device_x(x), geometry_.device_y(y));
  // Direction 1 reads upward from the start of its baseline; direction 0 hangs from the top.
  if (direction == 1) origin.rotate(-90.0);
  const double baseline = direction == 1 ? 0.0 : f.ascent();
  double pen_x = 0.0;
  const char* p = text;
  while (*p) {
    const int n = utf8_sequence_length(static_cast<unsigned char>(*p));
    int used = 0;
    while (used < n && p[used]) ++used;
    const CellGlyph& glyph = f.glyph(p, used);
    p += used;
    const double span = glyph.bytes * byte_width;
    if (!glyph.blank) {
      const double advance = glyph.advance * f.stretch();
      QTransform at = origin;
      at.translate(pen_x + (span - advance) / 2.0, baseline);
      if (f.stretch() != 1.0) at.scale(f.stretch(), 1.0);
      painter_.setWorldTransform(at);
      // Vector devices get the text itself, so that it stays text in the file.
      if (image_ && glyph.has_run) {
        painter_.drawGlyphRun(QPointF(0.0, 0.0), glyph.run);
      } else {
        painter_.drawText(QPointF(0.0, 0.0), glyph.text);
      }
    }
    pen_x += span;
  }
  painter_.setWorldTransform(mapping);
}

void QPainterBackend::clip_pixels(const DeviceRect& rect) {
  clip_ = QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  clip_pending_ = !(painter_clip_kind_ == PainterClip::kRect && painter_clip_ == clip_);
}

// What lies wholly inside the clip is drawn alike under any clip that holds it, no clip at
// all included; only drawing that the clip cuts needs the painter's clip to be exact.
void QPainterBackend::apply_clip(const QRect* reach) {
  if (!clip_pending_) return;
  if (reach && clip_.isValid() && holds(clip_, *reach)) {
    if (painter_clip_kind_ == PainterClip::kNone) return;
    if (painter_clip_kind_ == PainterClip::kRect && painter_clip_.isValid() &&
        holds(painter_clip_, *reach)) {
      return;
    }
    painter_.setClipping(false);
    painter_clip_kind_ = PainterClip::kNone;
    return;
  }
  const QTransform mapping = painter_.worldTransform();
  painter_.resetTransform();
  painter_.setClipRect(clip_, Qt::ReplaceClip);
  painter_.setWorldTransform(mapping);
  painter_clip_ = clip_;
  painter_clip_kind_ = PainterClip::kRect;
  clip_pending_ = false;
}

// The device pixels a line can touch: its ends through the painter's mapping, widened by the
// whole pen width on every side and two pixels more for caps and rounding. False under a
// rotating mapping, or where the ends lie too far off for the arithmetic.
bool QPainterBackend::line_reach(QPoint from, QPoint to, int width, QRect* reach) const {
  constexpr int kFar = 1000000;
  if (!mapping_scales_only_ || std::abs(from.x()) > kFar || std::abs(from.y()) > kFar ||
      std::abs(to.x()) > kFar || std::abs(to.y()) > kFar) {
    return false;
  }
  const double sx = std::fabs(mapping_.m11());
  const double sy = std::fabs(mapping_.m22());
  const double margin = (width > 0 ? width : 1) * (sx > sy ? sx : sy) + 2.0;
  const double x1 = mapping_.m11() * from.x() + mapping_.dx();
  const double x2 = mapping_.m11() * to.x() + mapping_.dx();
  const double y1 = mapping_.m22() * from.y() + mapping_.dy();
  const double y2 = mapping_.m22() * to.y() + mapping_.dy();
  // Truncation moves toward zero; one more pixel outward covers either side of it.
  *reach = QRect(QPoint(static_cast<int>(std::min(x1, x2) - margin) - 1,
                        static_cast<int>(std::min(y1, y2) - margin) - 1),
                 QPoint(static_cast<int>(std::max(x1, x2) + margin) + 1,
                        static_cast<int>(std::max(y1, y2) + margin) + 1));
  return true;
}

void QPainterBackend::clip(int left, int top, int right, int bottom) {
  clip_pixels(geometry_.clip_device_rect(left, top, right, bottom));
}

void QPainterBackend::unclip() {
  clip_pixels(geometry_.unclip_device_rect());
}

void QPainterBackend::create_save_bitmaps(int count, int width, int height) {
  saved_width_ = width;
  saved_height_ = height;
  saved_.assign(count > 0 ? static_cast<std::size_t>(count) : 0,
                width > 0 && height > 0 ? QImage(width, height, QImage::Format_ARGB32_Premultiplied)
                                        : QImage());
}

void QPainterBackend::delete_save_bitmaps() {
  saved_.clear();
  saved_width_ = 0;
  saved_height_ = 0;
}

// The area goes through the window mapping like any other block transfer, and is stored at
// the bitmap's own size.
void QPainterBackend::save_area(int index, int x, int y) {
  if (!image_ || index < 0 || index >= static_cast<int>(saved_.size()) || saved_[index].isNull()) {
    return;
  }
  const QImage area = image_->copy(to_pixels({x, y, x + saved_width_, y + saved_height_}));
  saved_[index] =
      area.size() == saved_[index].size() ? area : area.scaled(saved_width_, saved_height_);
}

void QPainterBackend::restore_area(int index, int x, int y, int raster_op) {
  const AfterQtDrawing cleared;
  if (index < 0 || index >= static_cast<int>(saved_.size()) || saved_[index].isNull()) return;
  prepare(kCopyPen);
  if (image_) set_composition(blit_mode(raster_op));
  painter_.drawImage(QRect(x, y, saved_width_, saved_height_), saved_[index]);
  set_composition(QPainter::CompositionMode_SourceOver);
}

void QPainterBackend::clear_screen(int width, int height, Rgb colour) {
  const AfterQtDrawing cleared;
  prepare(kCopyPen);
  painter_.fillRect(QRect(0, 0, width, height), QColor(colour.r, colour.g, colour.b));
}

}  // namespace tessaly::surface
