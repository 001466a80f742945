#include "surface/device_geometry.h"

#include <climits>

namespace tessaly::surface {

namespace {

int truncate(double value) {
  if (!(value > INT_MIN && value < INT_MAX)) return value > 0 ? INT_MAX : INT_MIN;
  return static_cast<int>(value);
}

int to_device(int logical, double scale) {
  const double device = logical * scale;
  // Out of int range (or NaN) the conversion would be undefined; the device shows none of it.
  if (!(device > INT_MIN && device < INT_MAX)) return device > 0 ? INT_MAX : INT_MIN;
  return static_cast<int>(device);
}

// Logical to device units for regions: the window's own magnification there, since its
// device scales are 1 and its mapping lives in the device context.
double region_scale_x(const DeviceGeometry& g) {
  return g.output_target == 1 ? g.device_scale_x : g.display_scale;
}
double region_scale_y(const DeviceGeometry& g) {
  return g.output_target == 1 ? g.device_scale_y : g.display_scale;
}

}  // namespace

int DeviceGeometry::device_x(int logical) const {
  return to_device(logical, device_scale_x);
}
int DeviceGeometry::device_y(int logical) const {
  return to_device(logical, device_scale_y);
}

DeviceRect DeviceGeometry::box_device_rect(int x1, int y1, int x2, int y2) const {
  return {device_x(x1), device_y(y1), device_x(x2 + 1), device_y(y2 + 1)};
}

DeviceRect DeviceGeometry::ellipse_device_rect(int cx, int cy, int rx, int ry) const {
  return {device_x(cx - rx), device_y(cy - ry), device_x(cx + rx + 1), device_y(cy + ry + 1)};
}

FontCell DeviceGeometry::font_cell(double wf, double hf) const {
  return {truncate(16.0 * (hf * device_scale_y)), truncate(8.0 * (wf * device_scale_x))};
}

DeviceRect DeviceGeometry::clip_device_rect(int left, int top, int right, int bottom) const {
  const double fx = region_scale_x(*this);
  const double fy = region_scale_y(*this);
  return {truncate(left * fx), truncate(top * fy), truncate(right * fx), truncate(bottom * fy)};
}

DeviceRect DeviceGeometry::unclip_device_rect() const {
  return {0, 0, truncate(client_width * region_scale_x(*this)),
          truncate(client_height * region_scale_y(*this))};
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
