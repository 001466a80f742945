#include "models/dialog_values.h"

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

// The C locale's strtod: the process locale may use a decimal comma.
double c_locale_strtod(const char* text) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return strtod_l(text, nullptr, c_locale);
}

}  // namespace

void format_edit_value(double value, char (&out)[kEditTextCapacity]) {
  std::snprintf(out, sizeof out, "%g", value);
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
  return std::fabs(c_locale_strtod(number));
}

}  // namespace tessaly
