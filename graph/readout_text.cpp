// The status text of a read-out.
#include <cmath>
#include <cstdio>

#include "graph/labels.h"
#include "graph/readout.h"

namespace tessaly::graph {

namespace {

constexpr const char* kSeparator = N_("　");

// Appends to a text that stops growing at its capacity, always terminated.
class TextBuffer {
 public:
  TextBuffer(char* out, std::size_t capacity, const text::Language& language)
      : out_(out), capacity_(capacity), language_(language) {
    if (capacity_ > 0) out_[0] = '\0';
  }

  const char* localized(const char* source) const { return text::localized(language_, source); }

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
  const text::Language& language_;
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
  text.add(text.localized("%s位相 %.2f［度］"), text.localized(kSeparator), shown);
}

void add_pair(TextBuffer& text, const char* first, const char* second, const Readout& r,
              const char* unit) {
  add_si(text, text.localized(first), r.first, unit);
  text.add("%s", text.localized(kSeparator));
  add_si(text, text.localized(second), r.second, unit);
}

void add_values(TextBuffer& text, const Readout& r) {
  const char* unit = text.localized(r.reciprocal ? N_("［Ｓ］") : N_("［Ω］"));
  text.add("%s", text.localized(kSeparator));
  switch (r.values) {
    case ReadoutValues::kImpedance:
      add_si(text, text.localized(r.reciprocal ? N_("｜Ｙ｜") : N_("｜Ｚ｜")), r.first, unit);
      add_phase(text, r.second);
      break;
    case ReadoutValues::kParts:
      add_pair(text, N_("抵抗"), N_("リアクタンス"), r, unit);
      break;
    case ReadoutValues::kReactance:
      add_si(text, text.localized("リアクタンス"), r.first, unit);
      break;
    case ReadoutValues::kLocus:
      add_pair(text, N_("実部"), N_("虚部"), r, unit);
      break;
  }
}

}  // namespace

int format_readout(char* out, std::size_t capacity, const Readout& readout,
                   const text::Language& language) {
  TextBuffer text(out, capacity, language);
  if (readout.frame == ReadoutFrame::kNone) return 0;
  add_si(text, text.localized("周波数"), readout.frequency, text.localized("［Ｈｚ］"));
  if (readout.curve >= 0) add_values(text, readout);
  return text.length();
}

}  // namespace tessaly::graph
