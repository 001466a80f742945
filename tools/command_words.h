// A line of a batch file split into words as a POSIX shell splits a command line, without
// any expansion: blanks separate words, single quotes keep everything up to the next one,
// double quotes keep everything but a backslash before " or \, and a backslash outside
// quotes keeps the next character.
#pragma once

#include <string>
#include <vector>

namespace tessaly::tools {

struct CommandWords {
  bool ok = false;
  std::vector<std::string> words;
  std::string error;  // when !ok: the quote left open
};

CommandWords split_command_words(const std::string& line);

}  // namespace tessaly::tools
