// The renderer's pictures, drawn through the QPainter backend: the window's picture as PNG or
// SVG, and the printed page as PDF. Needs a QGuiApplication (fonts).
#pragma once

#include <string>

#include "tools/render_arguments.h"

namespace tessaly::tools {

struct PictureResult {
  bool ok = false;
  std::string bytes;
  std::string error;  // when !ok: why the request has no picture
};

PictureResult picture_output(const RenderRequest& request);

}  // namespace tessaly::tools
