// The legend as text: each heading with the values the legend shows under it, in the order
// they were first drawn, so that a page can say in words what the picture shows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/catalog.h"

namespace tessaly::graph {

class LegendTranscript {
 public:
  void clear() { entries_.clear(); }
  // One legend value: its heading and subheading as drawn (with or without the headings
  // on screen) and the value's text.
  void add(const char* heading, const char* subheading, const char* value);
  // "heading：value、value" per heading, one a line, blanks at either end left out; the
  // separators in `language`, as the legend drew its headings.
  std::string text(const text::Language& language) const;

 private:
  std::vector<std::pair<std::string, std::vector<std::string>>> entries_;
};

}  // namespace tessaly::graph
