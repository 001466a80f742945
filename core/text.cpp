#include "core/text.h"

#include <cstring>

namespace tessaly {

namespace {

// Length of the UTF-8 sequence that starts with lead byte c (1 for stray bytes).
int sequence_length(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

}  // namespace

int sjis_length(const char* utf8) {
  int bytes = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8);
  while (*p) {
    const int n = sequence_length(*p);
    if (n == 1) {
      bytes += 1;
    } else {
      unsigned code = *p & (0x7Fu >> n);
      for (int i = 1; i < n && p[i]; ++i) code = (code << 6) | (p[i] & 0x3Fu);
      // Half-width katakana U+FF61..U+FF9F are single bytes in CP932.
      bytes += (code >= 0xFF61 && code <= 0xFF9F) ? 1 : 2;
    }
    for (int i = 0; i < n && *p; ++i) ++p;
  }
  return bytes;
}

void copy_text(char* dst, std::size_t capacity, const char* src) {
  if (capacity == 0) return;
  dst[0] = '\0';
  append_text(dst, capacity, src);
}

void append_text(char* dst, std::size_t capacity, const char* src) {
  std::size_t used = std::strlen(dst);
  const auto* p = reinterpret_cast<const unsigned char*>(src);
  while (*p) {
    const std::size_t n = static_cast<std::size_t>(sequence_length(*p));
    if (used + n + 1 > capacity) break;
    for (std::size_t i = 0; i < n && *p; ++i) dst[used++] = static_cast<char>(*p++);
  }
  dst[used] = '\0';
}

}  // namespace tessaly
