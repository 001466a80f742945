// The texts a user reads, in the language they chose. The source texts are Japanese, written
// where they are used; each other language is a file of translations (po/LANG.po) made into
// a table when the program is built. A text the table does not translate is shown as written,
// never as an empty string.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tessaly::text {

struct CatalogEntry {
  const char* source;
  const char* translation;
};

struct Language {
  const char* code;             // "ja", "en"
  const char* name;             // in the language itself, as menus show it: "English"
  const CatalogEntry* entries;  // in the byte order of the source texts
  int entry_count;
  // Source texts of the template that this language's file leaves untranslated.
  const char* const* untranslated;
  int untranslated_count;
};

// Japanese: every text as written.
const Language& source_language();
// Every language, the source first.
int language_count();
const Language& language_at(int index);
const Language* find_language(std::string_view code);
// "ja, en": the codes a user may ask for.
std::string language_codes();
// The language of a POSIX locale name ("en_GB.UTF-8"): the one whose code it starts with,
// the source language for any other ("C", "ja_JP", "").
const Language& language_for_locale(std::string_view locale);

// `source` in `language`; `source` itself where there is no translation (and for null).
const char* localized(const Language& language, const char* source);

// A printf format (a translated one, whose conversions the build checked against its source)
// filled in, at any length: for status lines and messages, not for the drawing path.
template <typename... Args>
std::string formatted(const char* format, Args... args) {
  const int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) return {};
  std::string out(static_cast<std::size_t>(length), '\0');
  std::snprintf(out.data(), out.size() + 1, format, args...);
  return out;
}

}  // namespace tessaly::text

// Marks a source text for the catalog where it is stored; it is translated where it is used.
#define N_(source) source
