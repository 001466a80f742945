// A text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
#pragma once

#include <string>

namespace tessaly::web {

void append_json_string(std::string& out, const char* text);

}  // namespace tessaly::web
