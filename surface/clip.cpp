#include "surface/surface.h"

namespace tessaly::surface {

// The backend turns the frame's logical rectangle into its device region (clip_device_rect).
void Surface::set_clip_to_frame(int left, int bottom, int width, int height) {
  current_dc->clip(left, bottom - height, left + width, bottom);
}

void Surface::reset_clip() {
  current_dc->unclip();
}

}  // namespace tessaly::surface
