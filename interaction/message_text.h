// How the renderer's messages show what the user typed.
#pragma once

#include <string>

namespace tessaly::interaction {

// The text in double quotes, with control bytes, DEL, backslash and double quotes escaped
// (\n, \t, \xNN, \\, \"), so that an argument cannot move the terminal's cursor or forge a
// line of the message.
std::string quoted(const std::string& text);

}  // namespace tessaly::interaction
