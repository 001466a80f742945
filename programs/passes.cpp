#include "programs/passes.h"

#include "core/state.h"
#include "programs/descriptor.h"
#include "programs/reference.h"
#include "surface/surface.h"

namespace tessaly {

int screen_dpi_x = 0;
int screen_dpi_y = 0;

void window_pass(surface::Backend& backend, int dpi_x, int dpi_y) {
  surface::current_dc = &backend;
  surface::set_logical_screen(surface::kLogicalWidth, surface::kLogicalHeight,
                              drawn_magnification(display_magnification));
  screen_dpi_x = dpi_x;
  screen_dpi_y = dpi_y;
  surface::device_scale_x = 1.0;
  surface::device_scale_y = 1.0;
  surface::output_target = 0;
  active_program().graph_driver();
  draw_shown_reference();
}

void print_pass(surface::Backend& backend, int printer_dpi_x, int printer_dpi_y) {
  surface::Backend* window = surface::current_dc;
  surface::current_dc = &backend;
  surface::output_target = 1;
  // Multiplication first, then the integer screen resolution as divisor. A print before any
  // window pass has no screen resolution yet: take the usual 96.
  const int screen_x = screen_dpi_x > 0 ? screen_dpi_x : 96;
  const int screen_y = screen_dpi_y > 0 ? screen_dpi_y : 96;
  const double magnification = drawn_magnification(print_magnification);
  surface::device_scale_x = printer_dpi_x * magnification / screen_x;
  surface::device_scale_y = printer_dpi_y * magnification / screen_y;
  active_program().graph_driver();
  draw_shown_reference();
  surface::output_target = 0;
  surface::current_dc = window;
}

}  // namespace tessaly
