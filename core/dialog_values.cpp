#include "core/dialog_values.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessaly {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length of the longest prefix of text (from `start`) that atof converts: a sign, digits with
// at most one point, and an exponent only when digits follow its sign. 0 when there is none.
std::size_t number_end(const char* text, std::size_t start, std::size_t limit) {
  std::size_t i = start;
  if (i < limit && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < limit && is_digit(text[i])) ++i, ++digits;
  if (i < limit && text[i] == '.') {
    ++i;
    while (i < limit && is_digit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return start;
  if (i < limit && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < limit && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < limit && is_digit(text[j])) {
      while (j < limit && is_digit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Dialogs read and write numbers in the C locale whatever the process locale is: a GUI
// application takes the user's, which may write a decimal comma. Made per call, which costs
// next to nothing beside a dialog, and leaves no state behind.
class CLocale {
 public:
  CLocale() : locale_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))) {}
  ~CLocale() { freelocale(locale_); }
  CLocale(const CLocale&) = delete;
  CLocale& operator=(const CLocale&) = delete;
  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

}  // namespace

void format_edit_value(double value, char (&out)[kEditTextCapacity]) {
  const CLocale c_locale;
  const locale_t previous = uselocale(c_locale.get());
  std::snprintf(out, sizeof out, "%g", value);
  uselocale(previous);
}

double read_edit_value(const char* text) {
  const std::size_t limit = strnlen(text, kEditTextLimit);
  std::size_t start = 0;
  while (start < limit && is_space(text[start])) ++start;
  const std::size_t end = number_end(text, start, limit);
  if (end == start) return 0.0;
  char number[kEditTextLimit + 1];
  std::memcpy(number, text + start, end - start);
  number[end - start] = '\0';
  const CLocale c_locale;
  return std::fabs(strtod_l(number, nullptr, c_locale.get()));
}

}  // namespace tessaly
