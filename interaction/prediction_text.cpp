#include "interaction/prediction_text.h"

#include <strings.h>
#include <cmath>
#include <cstring>

#include "core/dialog_values.h"

namespace tessaly::interaction {

namespace {

// Full-width digits, point and letters (U+FF0E..U+FF5A) as their ASCII twins; an
// ideographic space as a space; every other byte as it is.
std::string half_width(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0xEF && i + 2 < text.size()) {
      const unsigned code = (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                            (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
      const unsigned wide = 0xF000u | code;  // U+FF00 block: EF BC xx and EF BD xx
      if (wide >= 0xFF01 && wide <= 0xFF5E) {
        out += static_cast<char>(wide - 0xFF01 + 0x21);
        i += 2;
        continue;
      }
    }
    if (c == 0xE3 && i + 2 < text.size() && text[i + 1] == '\x80' && text[i + 2] == '\x80') {
      out += ' ';
      i += 2;
      continue;
    }
    out += static_cast<char>(c);
  }
  return out;
}

void skip_spaces(const char*& p) {
  while (*p == ' ' || *p == '\t') ++p;
}

// The power of ten of an SI prefix at p, which it passes; 0 where there is none.
int prefix_exponent(const char*& p) {
  static constexpr struct {
    const char* text;
    int exponent;
  } kPrefixes[] = {{"p", -12}, {"n", -9}, {"u", -6}, {"\xC2\xB5", -6}, {"\xCE\xBC", -6},
                   {"m", -3},  {"k", 3},  {"K", 3},  {"M", 6},         {"G", 9}};
  for (const auto& prefix : kPrefixes) {
    const std::size_t length = std::strlen(prefix.text);
    if (std::strncmp(p, prefix.text, length) == 0) {
      p += length;
      return prefix.exponent;
    }
  }
  return 0;
}

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// A plain decimal number at p, which it passes: digits, a point, an exponent. strtod alone
// would also take hexadecimal, "inf" and "nan"; the dialogs' reading then gives its value in
// the C locale whatever the process locale is.
bool decimal(const char*& p, double* value) {
  const char* const start = p;
  if (*p == '+') ++p;
  bool digits = false;
  while (digit(*p)) ++p, digits = true;
  if (*p == '.') {
    ++p;
    while (digit(*p)) ++p, digits = true;
  }
  if (!digits) {
    p = start;
    return false;
  }
  if ((*p == 'e' || *p == 'E') && (digit(p[1]) || ((p[1] == '+' || p[1] == '-') && digit(p[2])))) {
    p += 2;
    while (digit(*p)) ++p;
  }
  const std::string number(start, p);
  if (number.size() > kEditTextLimit) return false;
  *value = read_edit_value(number.c_str());
  return true;
}

}  // namespace

bool read_prediction(const std::string& text, const char* unit, double* value) {
  const std::string plain = half_width(text);
  const char* p = plain.c_str();
  skip_spaces(p);
  double number = 0.0;
  if (!decimal(p, &number)) return false;
  skip_spaces(p);
  const int exponent = prefix_exponent(p);
  if (unit && *unit) {
    const std::size_t length = std::strlen(unit);
    if (strncasecmp(p, unit, length) == 0) p += length;
  }
  skip_spaces(p);
  if (*p != '\0') return false;
  number *= std::pow(10.0, exponent);
  if (!std::isfinite(number) || number <= 0.0) return false;
  *value = number;
  return true;
}

}  // namespace tessaly::interaction
