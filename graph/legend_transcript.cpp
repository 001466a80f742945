#include "graph/legend_transcript.h"

namespace tessaly::graph {

namespace {

// Without the ASCII blanks at either end and with inner runs of them as one; the legend pads
// with them to line its columns up.
std::string squeezed(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

void LegendTranscript::add(const char* heading, const char* subheading, const char* value) {
  const std::string name = squeezed(std::string(heading) + subheading);
  for (auto& entry : entries_) {
    if (entry.first == name) {
      entry.second.push_back(squeezed(value));
      return;
    }
  }
  entries_.push_back({name, {squeezed(value)}});
}

std::string LegendTranscript::text(const text::Language& language) const {
  const char* comma = text::localized(language, "、");
  std::string out;
  for (const auto& [name, values] : entries_) {
    if (!out.empty()) out += '\n';
    out += name + text::localized(language, "：");
    for (std::size_t i = 0; i < values.size(); ++i) out += (i > 0 ? comma : "") + values[i];
  }
  return out;
}

}  // namespace tessaly::graph
