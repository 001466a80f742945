// One drawing pass of the running program's driver onto a window or a printer, with the
// drawing target set up the way the paint handler and the print command set it.
#pragma once

#include "surface/backend.h"

namespace tessaly {

// Logical pixels per inch of the window, taken at every window pass; printing divides by them.
extern int screen_dpi_x;
extern int screen_dpi_y;

// Maps the 640 by 480 screen with the display magnification and draws the graph.
void window_pass(surface::Backend& backend, int dpi_x, int dpi_y);

// Draws the graph on a printer page: device scales = printer dpi x print magnification /
// screen dpi, per axis; the target returns to the window afterwards.
void print_pass(surface::Backend& backend, int printer_dpi_x, int printer_dpi_y);

}  // namespace tessaly
