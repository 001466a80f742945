// The device arithmetic that a drawing backend applies before it touches its device: the
// scaled corners of boxes and ellipses, the font cell, the clip regions and the window
// mapping. Kept here so that every backend rounds the same way.
#pragma once

namespace tessaly::surface {

// A platform rectangle: right and bottom lie just outside it.
struct DeviceRect {
  int left, top, right, bottom;
};

// Box with ordered, included corners: sx(x1), sy(y1), sx(x2 + 1), sy(y2 + 1).
DeviceRect box_device_rect(int x1, int y1, int x2, int y2);
// Bounding box of an ellipse: sx(cx - rx), sy(cy - ry), sx(cx + rx + 1), sy(cy + ry + 1).
DeviceRect ellipse_device_rect(int cx, int cy, int rx, int ry);

// Font of a text: height trunc(16 x hf'), width of one byte trunc(8 x wf').
struct FontCell {
  int height;
  int byte_width;
};
FontCell font_cell(double wf, double hf);

// Clip region in device pixels of a logical rectangle, and of the whole client area:
// x display_scale on the window, x the device scales on the printer, truncated.
DeviceRect clip_device_rect(int left, int top, int right, int bottom);
DeviceRect unclip_device_rect();

// Isotropic mapping of a width by height screen onto trunc(width x m) by trunc(height x m).
struct WindowMapping {
  int viewport_width;
  int viewport_height;
  double scale;  // device pixels per logical unit, the smaller ratio of the two
};
WindowMapping window_mapping(int width, int height, double magnification);

}  // namespace tessaly::surface
