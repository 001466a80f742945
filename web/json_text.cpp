#include "web/json_text.h"

#include <cstdio>

namespace tessaly::web {

void append_json_string(std::string& out, const char* text) {
  out += '"';
  for (const char* p = text ? text : ""; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += *p;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += *p;
    }
  }
  out += '"';
}

}  // namespace tessaly::web
