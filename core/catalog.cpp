#include "core/catalog.h"

#include <algorithm>
#include <cstring>

#include "core/catalog_languages.h"

namespace tessaly::text {

namespace {

// Japanese in its own script, escaped: a language's name is shown in menus, never in a graph,
// and the page's font holds only the characters the graphs' sources spell out.
constexpr Language kSource = {"ja", "\u65e5\u672c\u8a9e", nullptr, 0, nullptr, 0};

}  // namespace

const Language& source_language() {
  return kSource;
}

int language_count() {
  return 1 + kTranslationCount;
}

const Language& language_at(int index) {
  return index <= 0 || index > kTranslationCount ? kSource : kTranslations[index - 1];
}

const Language* find_language(std::string_view code) {
  for (int i = 0; i < language_count(); ++i) {
    if (code == language_at(i).code) return &language_at(i);
  }
  return nullptr;
}

std::string language_codes() {
  std::string codes;
  for (int i = 0; i < language_count(); ++i) {
    if (i > 0) codes += ", ";
    codes += language_at(i).code;
  }
  return codes;
}

const Language& language_for_locale(std::string_view locale) {
  const std::string_view code = locale.substr(0, locale.find_first_of("_.@-"));
  const Language* found = code.empty() ? nullptr : find_language(code);
  return found ? *found : kSource;
}

const char* localized(const Language& language, const char* source) {
  if (source == nullptr || language.entry_count == 0) return source;
  const CatalogEntry* end = language.entries + language.entry_count;
  const CatalogEntry* found = std::lower_bound(
      language.entries, end, source,
      [](const CatalogEntry& e, const char* s) { return std::strcmp(e.source, s) < 0; });
  return found != end && std::strcmp(found->source, source) == 0 ? found->translation : source;
}

}  // namespace tessaly::text
