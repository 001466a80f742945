// A class set as one PDF: a worksheet for each seed (a name line, a date line, the sheet's
// number, the graphs at the largest magnification that fits, room to work), then the answer key.
#pragma once

#include "interaction/render_request.h"
#include "tools/picture_outputs.h"

namespace tessaly::tools {

PictureResult class_set_pdf(const interaction::RenderRequest& request);

}  // namespace tessaly::tools
