// Texts live in the source as UTF-8. Layout counts them as the Shift-JIS (CP932) bytes they
// were designed in: one byte for ASCII and half-width katakana, two for everything else.
#pragma once

#include <cstddef>

namespace tessaly {

int sjis_length(const char* utf8);

// Copies src into dst (capacity bytes, NUL included) without splitting a UTF-8 sequence.
void copy_text(char* dst, std::size_t capacity, const char* src);
// Appends src to the text already in dst, under the same rule.
void append_text(char* dst, std::size_t capacity, const char* src);

}  // namespace tessaly
