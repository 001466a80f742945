// A backend in front of another that cuts curve segments and dots at the clip rectangle
// itself, for a device that draws whatever it is given: Qt's SVG generator keeps no clip
// region, so curves would run out of their frames.
#pragma once

#include "surface/backend.h"

namespace tessaly::tools {

class ClippingBackend final : public surface::Backend {
 public:
  explicit ClippingBackend(surface::Backend& target) : target_(target) {}

  void logical_screen(int width, int height, double magnification) override {
    target_.logical_screen(width, height, magnification);
  }
  // The visible part of the segment, its ends rounded to the nearest logical unit.
  void line(int x1, int y1, int x2, int y2, int colour, int width, int style, int mode) override;
  void point(int x, int y, int colour, int width, int mode) override;
  void fill(int x1, int y1, int x2, int y2, int colour) override;
  void box(int x1, int y1, int x2, int y2, int colour, int width, int style) override {
    target_.box(x1, y1, x2, y2, colour, width, style);
  }
  void ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) override {
    target_.ellipse(cx, cy, rx, ry, colour, width, style);
  }
  void flood(int x, int y, int fill_colour, int border_colour) override {
    target_.flood(x, y, fill_colour, border_colour);
  }
  void text(int x, int y, int colour, int direction, double wf, double hf,
            const char* text) override {
    target_.text(x, y, colour, direction, wf, hf, text);
  }
  void clip(int left, int top, int right, int bottom) override;
  void unclip() override;
  void alert() override { target_.alert(); }
  void error(int code) override { target_.error(code); }
  void create_save_bitmaps(int count, int width, int height) override {
    target_.create_save_bitmaps(count, width, height);
  }
  void delete_save_bitmaps() override { target_.delete_save_bitmaps(); }
  void save_area(int index, int x, int y) override { target_.save_area(index, x, y); }
  void restore_area(int index, int x, int y, int raster_op) override {
    target_.restore_area(index, x, y, raster_op);
  }
  void clear_screen(int width, int height, surface::Rgb colour) override {
    target_.clear_screen(width, height, colour);
  }

 private:
  bool inside(int x, int y) const;

  surface::Backend& target_;
  bool clipping_ = false;
  int left_ = 0;
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
};

}  // namespace tessaly::tools
