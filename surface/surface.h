// The 640 by 480 logical screen and its primitives. Everything above works in logical units
// and colour numbers; `current_dc` is the backend that the next primitive draws on.
#pragma once

#include <cstdint>

#include "surface/backend.h"

namespace tessaly::surface {

constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;
constexpr int kCopyPen = 13;  // R2_COPYPEN: the mix mode every caller passes

// Palette entry of each colour number and its RGB (colour 10 repeats colour 6).
extern const int kPaletteEntry[16];
extern const Rgb kPaletteRgb[16];

extern std::uint32_t colour_table[16];  // palette-index form: 0x01000000 + palette entry
extern std::uint32_t background_colour;
extern Backend* current_dc;
extern double device_scale_x;
extern double device_scale_y;
extern int output_target;     // 0 window, 1 printer
extern double display_scale;  // the window's magnification, kept by set_logical_screen
// Client area in device pixels, set by whoever paints; reset_clip and clear_screen cover it.
// Start-up value: the logical screen at magnification 1.
extern int client_width;
extern int client_height;

void fill_colour_table();
// Restores the start-up state of this room (scales, target, pattern slots, backend, messages).
void reset_surface_state();

// Device coordinate of a logical one on the current target: trunc(logical x scale).
int device_x(int logical);
int device_y(int logical);
Rgb colour_rgb(int colour);
// RGB of a colour reference: the palette-index form of colour_table, or a plain 0x00BBGGRR.
Rgb reference_rgb(std::uint32_t colour_ref);

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

// Process-wide hook for the user-visible alert (beep and caption flash); null in headless use.
using AlertHook = void (*)();
// Kept by reset_surface_state(): it belongs to the platform, not to the start-up state.
void set_alert_hook(AlertHook hook);

// Clipping, patterned lines, date stamp, error messages.
void set_clip_to_frame(int left, int bottom, int width, int height);
void reset_clip();
void pattern_line(int x1, int y1, int x2, int y2, int colour, int width, int pattern);
void pattern_curve_point(int x1, int y1, int x2, int y2, int colour, int width, int pattern,
                         int slot);
const char* date_stamp();
int show_error(int code);
const char* error_message(int code);  // nullptr outside 1..5
// The last error shown and whether it is still unread by the shell (there is no console).
int last_error_code();
bool take_pending_error(int* code);

}  // namespace tessaly::surface
