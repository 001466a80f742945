// One drawing pass of a session's program onto a window or a printer, with the drawing target
// set up the way the paint handler and the print command set it.
#pragma once

#include "core/session.h"
#include "graph/context.h"
#include "surface/backend.h"

namespace tessaly {

// Maps the 640 by 480 screen with the display magnification and draws the graph through the
// context's surface, onto `backend`. On a high-density screen `pixel_ratio` device pixels make
// one pixel of the window: the pass draws at the magnification times it (within the same
// bound), so the picture has the screen's own pixels.
void window_pass(Session& session, graph::Context& context, surface::Backend& backend, int dpi_x,
                 int dpi_y, double pixel_ratio = 1.0);

// Draws the graph on a printer page: device scales = printer dpi x print magnification /
// screen dpi, per axis; the surface returns to the window's backend and scales afterwards.
void print_pass(Session& session, graph::Context& context, surface::Backend& backend,
                int printer_dpi_x, int printer_dpi_y);

// Draws the session's saved curve over the graph the pass has just drawn, if it is shown.
void draw_shown_reference(const Session& session, graph::Context& context);

}  // namespace tessaly
