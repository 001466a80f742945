// The drawing surface over QPainter: the window's backing image, a printer, an SVG or PDF
// generator or any other paint device. Coordinates reach the device through the geometry of
// the surface that draws on it; on the window the painter's world transform is the isotropic
// mapping of the logical screen, on the printer it stays one to one.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QTransform>
#include <cstdint>
#include <vector>

#include "surface/backend.h"
#include "surface/device_geometry.h"

namespace tessaly::surface {

class QPainterBackend final : public Backend {
 public:
  // The painter must be active on its device for the backend's whole life; the geometry is
  // the surface's that draws through this backend, read at every call.
  QPainterBackend(QPainter& painter, const DeviceGeometry& geometry);
  // Leaves the painter clipped as the last clip or unclip asked.
  ~QPainterBackend() override;

  void logical_screen(int width, int height, double magnification) override;
  void line(int x1, int y1, int x2, int y2, int colour, int width, int style, int mode) override;
  void point(int x, int y, int colour, int width, int mode) override;
  void fill(int x1, int y1, int x2, int y2, int colour) override;
  void box(int x1, int y1, int x2, int y2, int colour, int width, int style) override;
  void ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) override;
  void flood(int x, int y, int fill_colour, int border_colour) override;
  void text(int x, int y, int colour, int direction, double wf, double hf,
            const char* text) override;
  void clip(int left, int top, int right, int bottom) override;
  void unclip() override;
  void alert() override {}
  void error(int) override {}
  void create_save_bitmaps(int count, int width, int height) override;
  void delete_save_bitmaps() override;
  void save_area(int index, int x, int y) override;
  void restore_area(int index, int x, int y, int raster_op) override;
  void clear_screen(int width, int height, Rgb colour) override;

 private:
  struct CachedPen {
    int colour;
    int width;
    int style;
    QPen pen;
  };

  // Brings the painter's clip, mix mode and brush to what the next drawing call needs. reach,
  // where given, holds every device pixel the call can touch.
  void prepare(int mode, const QRect* reach = nullptr);
  void apply_clip(const QRect* reach = nullptr);
  bool line_reach(QPoint from, QPoint to, int width, QRect* reach) const;
  void set_mapping(const QTransform& mapping);
  void set_composition(QPainter::CompositionMode mode);
  const QPen& text_pen(int colour);
  void set_pen(int colour, int width, int style);
  // A pen that draws a point as a round dot of the given width.
  const QPen& dot_pen(int colour, int width);
  // The device pixel under a point in the painter's coordinates.
  QPoint to_pixel(QPoint point) const;
  QRect to_pixels(const DeviceRect& rect) const;
  void set_pixel(QPoint point, int colour);
  void fill_pixels(const QRect& rect, const QColor& colour);
  void clip_pixels(const DeviceRect& rect);

  QPainter& painter_;
  const DeviceGeometry& geometry_;
  // The painter's world transform between calls: the calls that change it put it back.
  QTransform mapping_;
  bool mapping_scales_only_ = true;
  QImage* image_;  // the device when it is a raster image: flood fill and the save set read it
  // Single pixels go straight into the image where its format holds plain 32-bit RGB.
  bool direct_pixels_;
  // A PDF says a round dot in one stroke; a filled circle takes four curves and a fill state,
  // which made a graph's dotted grids most of a document's size.
  bool dots_as_strokes_;
  // The clip of the drawing calls in device pixels. A sweep clips and unclips around every
  // point; the painter follows only when something is drawn that the difference would cut.
  enum class PainterClip { kCallers, kNone, kRect };
  QRect clip_;
  QRect painter_clip_;
  PainterClip painter_clip_kind_ = PainterClip::kCallers;
  bool clip_pending_ = false;
  QPainter::CompositionMode composition_;
  bool brush_none_ = false;
  // Pens and brushes are shared with the painter, not rebuilt: a sweep draws a line per point.
  std::vector<CachedPen> pens_;
  std::vector<CachedPen> dot_pens_;
  QBrush brushes_[16];
  QPen text_pens_[16];
  bool text_pen_made_[16] = {};
  std::uint64_t font_serial_ = 0;  // the cell font last set on the painter
  std::vector<QImage> saved_;
  int saved_width_ = 0;
  int saved_height_ = 0;
};

}  // namespace tessaly::surface
