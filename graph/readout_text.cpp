// The status text of a read-out.
#include <cmath>
#include <cstdio>

#include "graph/labels.h"
#include "graph/readout.h"

namespace tessaly::graph {

namespace {

constexpr const char* kSeparator = "　";

// Appends to a text that stops growing at its capacity, always terminated.
class TextBuffer {
 public:
  TextBuffer(char* out, std::size_t capacity) : out_(out), capacity_(capacity) {
    if (capacity_ > 0) out_[0] = '\0';
  }

  template <typename... Args>
  void add(const char* format, Args... args) {
    const std::size_t room = length_ < capacity_ ? capacity_ - length_ : 0;
    const int written = std::snprintf(room > 0 ? out_ + length_ : nullptr, room, format, args...);
    if (written > 0) length_ += static_cast<std::size_t>(written);
  }

  int length() const { return static_cast<int>(length_); }

 private:
  char* out_;
  std::size_t capacity_;
  std::size_t length_ = 0;
};

// The legends' SI scale with one figure more than a legend shows: the pointer moves in finer
// steps than the legends' values differ. No blank stands in for a missing prefix.
void add_si(TextBuffer& text, const char* name, double value, const char* unit) {
  char prefix = ' ';
  const double m = normalize_si(value + 0.0, ' ', &prefix);  // + 0.0: no "-0.000"
  const double size = std::fabs(m);
  const int decimals = size < 10.0 ? 3 : size < 100.0 ? 2 : 1;
  if (!std::isfinite(m)) {
    text.add("%s %g%s", name, m, unit);
  } else if (prefix == ' ') {
    text.add("%s %.*f%s", name, decimals, m, unit);
  } else {
    text.add("%s %.*f%c%s", name, decimals, m, prefix, unit);
  }
}

// Degrees need no prefix: two decimals as the axis shows them, and no minus on a zero.
void add_phase(TextBuffer& text, double degrees) {
  const double shown = std::fabs(degrees) < 0.005 ? 0.0 : degrees;
  text.add("%s位相 %.2f［度］", kSeparator, shown);
}

void add_pair(TextBuffer& text, const char* first, const char* second, const Readout& r,
              const char* unit) {
  add_si(text, first, r.first, unit);
  text.add("%s", kSeparator);
  add_si(text, second, r.second, unit);
}

void add_values(TextBuffer& text, const Readout& r) {
  const char* unit = r.reciprocal ? "［Ｓ］" : "［Ω］";
  text.add("%s", kSeparator);
  switch (r.values) {
    case ReadoutValues::kImpedance:
      add_si(text, r.reciprocal ? "｜Ｙ｜" : "｜Ｚ｜", r.first, unit);
      add_phase(text, r.second);
      break;
    case ReadoutValues::kParts:
      add_pair(text, "抵抗", "リアクタンス", r, unit);
      break;
    case ReadoutValues::kReactance:
      add_si(text, "リアクタンス", r.first, unit);
      break;
    case ReadoutValues::kLocus:
      add_pair(text, "実部", "虚部", r, unit);
      break;
  }
}

}  // namespace

int format_readout(char* out, std::size_t capacity, const Readout& readout) {
  TextBuffer text(out, capacity);
  if (readout.frame == ReadoutFrame::kNone) return 0;
  add_si(text, "周波数", readout.frequency, "［Ｈｚ］");
  if (readout.curve >= 0) add_values(text, readout);
  return text.length();
}

}  // namespace tessaly::graph
