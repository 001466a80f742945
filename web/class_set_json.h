// A class set laid out for the page's print, as JSON: the paper and its size, then each page
// with its kind, its texts (and what each is), its lines and its graphs, which the page asks
// the engine to draw one by one by their number.
#pragma once

#include <string>
#include <vector>

#include "interaction/class_set.h"
#include "interaction/render_request.h"

namespace tessaly::web {

struct ClassSetGraph {
  interaction::ClassSetQuestion question;
  double magnification;
};

// The layout of the request's class set; `graphs` receives the graphs in their numbers' order.
std::string class_set_json(const interaction::RenderRequest& request,
                           std::vector<ClassSetGraph>& graphs);

}  // namespace tessaly::web
