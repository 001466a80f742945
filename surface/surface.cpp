#include "surface/surface.h"

#include "core/text.h"

namespace tessaly::surface {

const int kPaletteEntry[16] = {0, 16, 13, 17, 14, 18, 15, 19, 7, 4, 15, 5, 2, 6, 3, 12};
const Rgb kPaletteRgb[16] = {{0, 0, 0},       {0, 0, 255},   {255, 0, 0},   {255, 0, 255},
                             {0, 255, 0},     {0, 255, 255}, {255, 255, 0}, {255, 255, 255},
                             {192, 192, 192}, {0, 0, 128},   {255, 255, 0}, {128, 0, 128},
                             {0, 128, 0},     {0, 128, 128}, {128, 128, 0}, {128, 128, 128}};

namespace {

constexpr std::uint32_t kPaletteIndexForm = 0x01000000;

void order(int& low, int& high) {
  if (low > high) {
    const int t = low;
    low = high;
    high = t;
  }
}

}  // namespace

Surface::Surface() {
  fill_colour_table();
}

void Surface::fill_colour_table() {
  for (int k = 0; k < 16; ++k) {
    colour_table[k] = kPaletteIndexForm + static_cast<std::uint32_t>(kPaletteEntry[k]);
  }
  background_colour = colour_table[7];
}

int Surface::ink(int colour) const {
  if (!projector) return colour;
  switch (colour) {
    case 4:  // green
      return 12;
    case 5:  // cyan, darkened to the marker's dark cyan...
      return 13;
    case 6:  // yellow
    case 10:
      return 14;
    case 13:  // ...which moves to dark magenta
      return 11;
    default:
      return colour;
  }
}

// Colour numbers outside 0..15 draw black.
Rgb colour_rgb(int colour) {
  return colour >= 0 && colour < 16 ? kPaletteRgb[colour] : Rgb{};
}

// Palette entries that no colour number uses draw black.
Rgb reference_rgb(std::uint32_t colour_ref) {
  if ((colour_ref & 0xFF000000u) == kPaletteIndexForm) {
    const int entry = static_cast<int>(colour_ref & 0xFFFFu);
    for (int k = 0; k < 16; ++k) {
      if (kPaletteEntry[k] == entry) return kPaletteRgb[k];
    }
    return Rgb{};
  }
  return Rgb{static_cast<std::uint8_t>(colour_ref), static_cast<std::uint8_t>(colour_ref >> 8),
             static_cast<std::uint8_t>(colour_ref >> 16)};
}

void Surface::set_logical_screen(int width, int height, double magnification) {
  display_scale = magnification;
  current_dc->logical_screen(width, height, magnification);
}

void Surface::move_to(int x, int y) {
  current_x_ = x;
  current_y_ = y;
}

void Surface::line_to(int x, int y, int colour, int width, int style, int mode) {
  current_dc->line(current_x_, current_y_, x, y, ink(colour), pen(width), style, mode);
  move_to(x, y);
}

void Surface::plot_point(int x, int y, int colour, int width, int mode) {
  move_to(x, y);
  current_dc->point(x, y, ink(colour), pen(width), mode);
}

void Surface::draw_line_mode(int x1, int y1, int x2, int y2, int colour, int width, int style,
                             int mode) {
  current_dc->line(x1, y1, x2, y2, ink(colour), pen(width), style, mode);
}

void Surface::draw_line(int x1, int y1, int x2, int y2, int colour, int width, int style) {
  draw_line_mode(x1, y1, x2, y2, colour, width, style, kCopyPen);
}

void Surface::draw_box(int x1, int y1, int x2, int y2, int colour, int width, int style) {
  order(x1, x2);
  order(y1, y2);
  current_dc->box(x1, y1, x2, y2, ink(colour), pen(width), style);
}

void Surface::fill_box(int x1, int y1, int x2, int y2, int colour) {
  order(x1, x2);
  order(y1, y2);
  current_dc->fill(x1, y1, x2, y2, colour);
}

void Surface::draw_ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) {
  current_dc->ellipse(cx, cy, rx, ry, ink(colour), pen(width), style);
}

void Surface::draw_circle(int cx, int cy, int r, int colour, int width, int style) {
  current_dc->ellipse(cx, cy, r, r, ink(colour), pen(width), style);
}

void Surface::flood_fill(int x, int y, int fill_colour, int border_colour) {
  current_dc->flood(x, y, fill_colour, border_colour);
}

void Surface::draw_text(int x, int y, const char* text, double wf, double hf, int colour,
                        int direction) {
  current_dc->text(x, y, ink(colour), direction, wf, hf, text ? text : "");
}

void Surface::text_at(int x, int y, const char* text, int colour, int direction) {
  draw_text(x, y, text, 1.0, 1.0, colour, direction);
}

void Surface::text_centred(int x, int y, const char* text, int colour, int direction) {
  text_at(x - 4 * sjis_length(text ? text : ""), y, text, colour, direction);
}

void Surface::text_at_cell(int column, int row, const char* text, int colour) {
  draw_text(8 * column, 16 * row, text, 1.0, 1.0, colour, 0);
}

void Surface::clear_screen() {
  current_dc->clear_screen(client_width, client_height, reference_rgb(background_colour));
}

void Surface::alert() {
  current_dc->alert();
  if (alert_hook_) alert_hook_(alert_context_);
}

void Surface::set_alert_hook(AlertHook hook, void* context) {
  alert_hook_ = hook;
  alert_context_ = context;
}

}  // namespace tessaly::surface
