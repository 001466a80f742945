#include "surface/device_geometry.h"

#include <climits>

#include "surface/surface.h"

namespace tessaly::surface {

namespace {

int truncate(double value) {
  if (!(value > INT_MIN && value < INT_MAX)) return value > 0 ? INT_MAX : INT_MIN;
  return static_cast<int>(value);
}

// Logical to device units for regions: the window's own magnification there, since its
// device scales are 1 and its mapping lives in the device context.
double region_scale_x() {
  return output_target == 1 ? device_scale_x : display_scale;
}
double region_scale_y() {
  return output_target == 1 ? device_scale_y : display_scale;
}

}  // namespace

DeviceRect box_device_rect(int x1, int y1, int x2, int y2) {
  return {device_x(x1), device_y(y1), device_x(x2 + 1), device_y(y2 + 1)};
}

DeviceRect ellipse_device_rect(int cx, int cy, int rx, int ry) {
  return {device_x(cx - rx), device_y(cy - ry), device_x(cx + rx + 1), device_y(cy + ry + 1)};
}

FontCell font_cell(double wf, double hf) {
  return {truncate(16.0 * (hf * device_scale_y)), truncate(8.0 * (wf * device_scale_x))};
}

DeviceRect clip_device_rect(int left, int top, int right, int bottom) {
  const double fx = region_scale_x();
  const double fy = region_scale_y();
  return {truncate(left * fx), truncate(top * fy), truncate(right * fx), truncate(bottom * fy)};
}

DeviceRect unclip_device_rect() {
  return {0, 0, truncate(client_width * region_scale_x()),
          truncate(client_height * region_scale_y())};
}

WindowMapping window_mapping(int width, int height, double magnification) {
  WindowMapping mapping{truncate(width * magnification), truncate(height * magnification),
                        magnification};
  if (width > 0 && height > 0) {
    const double sx = static_cast<double>(mapping.viewport_width) / width;
    const double sy = static_cast<double>(mapping.viewport_height) / height;
    mapping.scale = sx < sy ? sx : sy;
  }
  return mapping;
}

}  // namespace tessaly::surface
