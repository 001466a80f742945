// Start-up state of the surface's own files, restored together by reset_surface_state().
#pragma once

namespace tessaly::surface {

void reset_pattern_slots();
void reset_error_state();

}  // namespace tessaly::surface
