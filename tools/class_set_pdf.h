// A class set as one PDF: a worksheet for each seed (a name line, a date line, the sheet's
// number, the graphs at the largest magnification that fits, room to work), then the answer key.
#pragma once

#include "tools/picture_outputs.h"
#include "interaction/render_request.h"

namespace tessaly::tools {

PictureResult class_set_pdf(const interaction::RenderRequest& request);

}  // namespace tessaly::tools
