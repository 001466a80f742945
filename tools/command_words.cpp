#include "tools/command_words.h"

namespace tessaly::tools {

namespace {

bool blank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

CommandWords split_command_words(const std::string& line) {
  CommandWords result;
  std::string word;
  bool in_word = false;  // "" is a word, although an empty one
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (blank(c)) {
      if (in_word) result.words.push_back(word);
      word.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '\\') {
      if (i + 1 < line.size()) word += line[++i];
    } else if (c == '\'') {
      const std::size_t end = line.find('\'', i + 1);
      if (end == std::string::npos) {
        result.error = "a single quote is not closed";
        return result;
      }
      word.append(line, i + 1, end - i - 1);
      i = end;
    } else if (c == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
          ++i;
        }
        word += line[i];
      }
      if (i >= line.size()) {
        result.error = "a double quote is not closed";
        return result;
      }
    } else {
      word += c;
    }
  }
  if (in_word) result.words.push_back(word);
  result.ok = true;
  return result;
}

}  // namespace tessaly::tools
