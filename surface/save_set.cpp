// The off-screen save set: kept for completeness, no program saves or restores areas.
#include "surface/surface.h"

namespace tessaly::surface {

void Surface::create_save_bitmaps(int count, int width, int height) {
  current_dc->create_save_bitmaps(count, width, height);
}

void Surface::delete_save_bitmaps() {
  current_dc->delete_save_bitmaps();
}

void Surface::save_area(int index, int x, int y) {
  current_dc->save_area(index, x, y);
}

void Surface::restore_area(int index, int x, int y, int raster_op) {
  current_dc->restore_area(index, x, y, raster_op);
}

}  // namespace tessaly::surface
