// How the renderer's messages show what the user typed and the numbers it concerns.
#pragma once

#include <string>

namespace tessaly::tools {

// The text in double quotes, with control bytes, DEL, backslash and double quotes escaped
// (\n, \t, \xNN, \\, \"), so that an argument cannot move the terminal's cursor or forge a
// line of the message.
std::string quoted(const std::string& text);

// A number as "%g" writes it: 1e-09, 51.19, nan.
std::string number_text(double value);

}  // namespace tessaly::tools
