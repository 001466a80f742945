#include "core/catalog.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::text {
namespace {

// A text a language's file leaves out would be drawn in Japanese in the middle of that
// language's graph: every language translates every text of the template.
TEST(Catalog, EveryLanguageTranslatesEveryText) {
  ASSERT_GE(language_count(), 2);
  for (int i = 1; i < language_count(); ++i) {
    const Language& language = language_at(i);
    std::string missing;
    for (int k = 0; k < language.untranslated_count; ++k) {
      missing += std::string("\n  \"") + language.untranslated[k] + "\"";
    }
    EXPECT_EQ(missing, "") << language.code << " leaves these texts in Japanese";
    for (int k = 0; k < language.entry_count; ++k) {
      EXPECT_STRNE(language.entries[k].translation, "") << language.entries[k].source;
    }
  }
}

TEST(Catalog, LooksUpLanguagesAndTexts) {
  const Language* english = find_language("en");
  ASSERT_NE(english, nullptr);
  EXPECT_STREQ(english->name, "English");
  EXPECT_EQ(find_language("ja"), &source_language());
  EXPECT_EQ(find_language("fr"), nullptr);
  EXPECT_EQ(find_language(""), nullptr);
  EXPECT_EQ(language_codes(), "ja, en");

  // English for en*, the source language for anything else.
  EXPECT_EQ(&language_for_locale("en_GB.UTF-8"), english);
  EXPECT_EQ(&language_for_locale("en"), english);
  EXPECT_EQ(&language_for_locale("en@quot"), english);
  EXPECT_EQ(&language_for_locale("ja_JP.UTF-8"), &source_language());
  EXPECT_EQ(&language_for_locale("C"), &source_language());
  EXPECT_EQ(&language_for_locale("POSIX"), &source_language());
  EXPECT_EQ(&language_for_locale(""), &source_language());
  EXPECT_EQ(&language_for_locale("english"), &source_language());

  EXPECT_STREQ(localized(*english, "周波数 ［Ｈｚ］"), "Frequency [Hz] ");
  EXPECT_STREQ(localized(*english, "並列ＬＣＲ回路１"), "Parallel LCR circuit 1: ");
  // The first and the last entry in byte order, where a search by halves goes wrong first.
  EXPECT_STREQ(localized(*english, english->entries[0].source), english->entries[0].translation);
  const CatalogEntry& last = english->entries[english->entry_count - 1];
  EXPECT_STREQ(localized(*english, last.source), last.translation);
  // A text the catalog does not have comes back as it is; so does every text in Japanese.
  const char* unknown = "(Ombra)";
  EXPECT_EQ(localized(*english, unknown), unknown);
  EXPECT_EQ(localized(*english, nullptr), nullptr);
  const char* source = "周波数 ［Ｈｚ］";
  EXPECT_EQ(localized(source_language(), source), source);
}

TEST(Catalog, FillsInTranslatedFormatsOfAnyLength) {
  EXPECT_EQ(formatted(localized(*find_language("en"), "「%s」は数として読めません。"), "abc"),
            "\"abc\" is not a number. ");
  const std::string long_text(5000, 'x');
  EXPECT_EQ(formatted("%s!", long_text.c_str()), long_text + "!");
  EXPECT_EQ(formatted("%s", ""), "");
}

}  // namespace
}  // namespace tessaly::text
