// The device arithmetic that a drawing backend applies before it touches its device: the
// scaled corners of boxes and ellipses, the font cell, the clip regions and the window
// mapping. Kept here so that every backend rounds the same way.
#pragma once

namespace tessaly::surface {

constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;

// A platform rectangle: right and bottom lie just outside it.
struct DeviceRect {
  int left, top, right, bottom;
};

// Font of a text: height trunc(16 x hf'), width of one byte trunc(8 x wf').
struct FontCell {
  int height;
  int byte_width;
};

// Where logical units land on the device the surface draws on now.
struct DeviceGeometry {
  double device_scale_x = 1.0;
  double device_scale_y = 1.0;
  int output_target = 0;       // 0 window, 1 printer
  double display_scale = 1.0;  // the window's magnification, kept by set_logical_screen
  // Client area in device pixels, set by whoever paints; reset_clip and clear_screen cover it.
  int client_width = kLogicalWidth;
  int client_height = kLogicalHeight;

  // Device coordinate of a logical one on the current target: trunc(logical x scale).
  int device_x(int logical) const;
  int device_y(int logical) const;
  // Box with ordered, included corners: sx(x1), sy(y1), sx(x2 + 1), sy(y2 + 1).
  DeviceRect box_device_rect(int x1, int y1, int x2, int y2) const;
  // Bounding box of an ellipse: sx(cx - rx), sy(cy - ry), sx(cx + rx + 1), sy(cy + ry + 1).
  DeviceRect ellipse_device_rect(int cx, int cy, int rx, int ry) const;
  FontCell font_cell(double wf, double hf) const;
  // Clip region in device pixels of a logical rectangle, and of the whole client area:
  // x display_scale on the window, x the device scales on the printer, truncated.
  DeviceRect clip_device_rect(int left, int top, int right, int bottom) const;
  DeviceRect unclip_device_rect() const;
};

// Isotropic mapping of a width by height screen onto trunc(width x m) by trunc(height x m).
struct WindowMapping {
  int viewport_width;
  int viewport_height;
  double scale;  // device pixels per logical unit, the smaller ratio of the two
};
WindowMapping window_mapping(int width, int height, double magnification);

}  // namespace tessaly::surface
