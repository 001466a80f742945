// The one seam between the drawing surface and a platform. Every call carries logical
// coordinates (the 640 by 480 screen) and colour numbers; a backend that draws on a device
// applies the device scales itself through device_x()/device_y() of surface.h.
#pragma once

#include <cstdint>

namespace tessaly::surface {

struct Rgb {
  std::uint8_t r, g, b;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Window mapping of the logical screen; printers keep their own one-to-one mapping.
  virtual void logical_screen(int width, int height, double magnification) = 0;
  // A straight line with its end pixel set (the platform line leaves it out).
  virtual void line(int x1, int y1, int x2, int y2, int colour, int width, int style, int mode) = 0;
  virtual void point(int x, int y, int colour, int width, int mode) = 0;
  // Corners arrive ordered (x1 <= x2, y1 <= y2); both are inside the filled area.
  virtual void fill(int x1, int y1, int x2, int y2, int colour) = 0;
  virtual void box(int x1, int y1, int x2, int y2, int colour, int width, int style) = 0;
  virtual void ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) = 0;
  virtual void flood(int x, int y, int fill_colour, int border_colour) = 0;
  // text is UTF-8; its Shift-JIS byte length decides its cell width.
  virtual void text(int x, int y, int colour, int direction, double wf, double hf,
                    const char* text) = 0;
  // The frame's logical rectangle; the device region is clip_device_rect() of it.
  virtual void clip(int left, int top, int right, int bottom) = 0;
  virtual void unclip() = 0;
  virtual void alert() = 0;
  virtual void error(int code) = 0;

  // Off-screen save set: positions and sizes reach the device without the device scales.
  virtual void create_save_bitmaps(int count, int width, int height) = 0;
  virtual void delete_save_bitmaps() = 0;
  virtual void save_area(int index, int x, int y) = 0;
  virtual void restore_area(int index, int x, int y, int raster_op) = 0;
  // Paints (0, 0)-(width, height) of the device context in one colour, unscaled.
  virtual void clear_screen(int width, int height, Rgb colour) = 0;
};

// Draws nothing: for passes whose picture nobody keeps, and for measuring the engine alone.
class NullBackend final : public Backend {
 public:
  void logical_screen(int, int, double) override {}
  void line(int, int, int, int, int, int, int, int) override {}
  void point(int, int, int, int, int) override {}
  void fill(int, int, int, int, int) override {}
  void box(int, int, int, int, int, int, int) override {}
  void ellipse(int, int, int, int, int, int, int) override {}
  void flood(int, int, int, int) override {}
  void text(int, int, int, int, double, double, const char*) override {}
  void clip(int, int, int, int) override {}
  void unclip() override {}
  void alert() override {}
  void error(int) override {}
  void create_save_bitmaps(int, int, int) override {}
  void delete_save_bitmaps() override {}
  void save_area(int, int, int) override {}
  void restore_area(int, int, int, int) override {}
  void clear_screen(int, int, Rgb) override {}
};

}  // namespace tessaly::surface
