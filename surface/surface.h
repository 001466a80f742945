// The 640 by 480 logical screen and its primitives. Everything above works in logical units
// and colour numbers; `current_dc` is the backend that the next primitive draws on, bound by a
// TargetBinding for as long as one pass lasts and nothing outside it. A window, a printer page
// or a headless render each own one surface and hand it down by reference.
#pragma once

#include <cstdint>

#include "surface/backend.h"
#include "surface/date_stamp.h"
#include "surface/device_geometry.h"

namespace tessaly::surface {

constexpr int kCopyPen = 13;  // R2_COPYPEN: the mix mode every caller passes

// Palette entry of each colour number and its RGB (colour 10 repeats colour 6).
extern const int kPaletteEntry[16];
extern const Rgb kPaletteRgb[16];

Rgb colour_rgb(int colour);
// RGB of a colour reference: the palette-index form of colour_table, or a plain 0x00BBGGRR.
Rgb reference_rgb(std::uint32_t colour_ref);

// The user-visible alert (beep and caption flash) of whoever shows the surface; the surface
// passes `context` back unchanged.
using AlertHook = void (*)(void* context);

const char* error_message(int code);  // nullptr outside 1..5

// The device geometry (scales, target, client area) is the part a backend reads back.
class Surface : public DeviceGeometry {
 public:
  Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  std::uint32_t colour_table[16];  // palette-index form: 0x01000000 + palette entry
  std::uint32_t background_colour;
  // The print magnification as drawn: on paper the curves' pens grow with it.
  double print_magnification = 1.0;
  // For a projector: every line twice as wide, and the light colours (green, cyan, yellow)
  // and the marker's dark cyan drawn darker. Off, everything draws as given.
  bool projector = false;

  void fill_colour_table();
  int pen(int width) const { return projector ? 2 * width : width; }
  int ink(int colour) const;

  void set_logical_screen(int width, int height, double magnification);
  void move_to(int x, int y);
  void line_to(int x, int y, int colour, int width, int style, int mode);
  void plot_point(int x, int y, int colour, int width, int mode);
  void draw_line_mode(int x1, int y1, int x2, int y2, int colour, int width, int style, int mode);
  void draw_line(int x1, int y1, int x2, int y2, int colour, int width, int style);
  void draw_box(int x1, int y1, int x2, int y2, int colour, int width, int style);
  void fill_box(int x1, int y1, int x2, int y2, int colour);
  void draw_ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style);
  void draw_circle(int cx, int cy, int r, int colour, int width, int style);
  void flood_fill(int x, int y, int fill_colour, int border_colour);
  void draw_text(int x, int y, const char* text, double wf, double hf, int colour, int direction);
  void text_at(int x, int y, const char* text, int colour, int direction);
  void text_centred(int x, int y, const char* text, int colour, int direction);
  void text_at_cell(int column, int row, const char* text, int colour);
  void clear_screen();
  void alert();

  // Off-screen save set: count bitmaps of width by height, copied from and to the target.
  void create_save_bitmaps(int count, int width, int height);
  void delete_save_bitmaps();
  void save_area(int index, int x, int y);
  void restore_area(int index, int x, int y, int raster_op);

  void set_alert_hook(AlertHook hook, void* context);

  // Clipping, patterned lines and error messages.
  void set_clip_to_frame(int left, int bottom, int width, int height);
  void reset_clip();
  void pattern_line(int x1, int y1, int x2, int y2, int colour, int width, int pattern);
  void pattern_curve_point(int x1, int y1, int x2, int y2, int colour, int width, int pattern,
                           int slot);
  int show_error(int code);
  // The last error shown and whether it is still unread by the shell (there is no console).
  int last_error_code() const { return last_code_; }
  bool take_pending_error(int* code);

 private:
  friend class TargetBinding;
  // Per curve slot; never reset while the program runs, so the phase carries over from one
  // curve and one paint to the next.
  struct PatternSlot {
    std::uint64_t calls;
    int last_x;
    int last_y;
    std::uint64_t dots;
  };

  NullBackend null_backend_;
  // Between passes the surface draws into nothing: no backend outlives the pass it was bound for.
  Backend* current_dc = &null_backend_;
  AlertHook alert_hook_ = nullptr;
  void* alert_context_ = nullptr;
  int current_x_ = 0;
  int current_y_ = 0;
  PatternSlot slots_[2] = {};
  int last_code_ = 0;
  bool pending_ = false;
};

// Binds a backend as the surface's drawing target for the binding's lifetime, then puts back
// the one before, so that no path can leave a backend behind that is gone.
class TargetBinding {
 public:
  TargetBinding(Surface& surface, Backend& backend)
      : surface_(surface), previous_(surface.current_dc) {
    surface.current_dc = &backend;
  }
  ~TargetBinding() { surface_.current_dc = previous_; }
  TargetBinding(const TargetBinding&) = delete;
  TargetBinding& operator=(const TargetBinding&) = delete;

 private:
  Surface& surface_;
  Backend* previous_;
};

}  // namespace tessaly::surface
