#include "texts/language.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace tz::texts {
namespace {

struct WordCase {
    std::string_view word;
    std::optional<Language> expected;
};

TEST(LanguageFromCommandLineWord, MatchesOnlyTheExactWords) {
    const WordCase cases[] = {
        {"ENGLISH", Language::English}, {"DEUTSCH", Language::German}, {"FRANCE", Language::French},
        {"CESKY", Language::Czech},     {"deutsch", std::nullopt},     {"Deutsch", std::nullopt},
        {"GERMAN", std::nullopt},       {"FRENCH", std::nullopt},      {"CZECH", std::nullopt},
        {" ENGLISH", std::nullopt},     {"ENGLISH ", std::nullopt},    {"", std::nullopt},
    };
    for (const WordCase& c : cases) {
        EXPECT_EQ(languageFromCommandLineWord(c.word), c.expected) << '"' << c.word << '"';
    }
}

TEST(LanguageFromIndex, NamesTheFourLanguagesAndNothingAbove) {
    for (Language language : kAllLanguages) {
        EXPECT_EQ(languageFromIndex(static_cast<std::uint8_t>(languageIndex(language))), language);
    }
    EXPECT_EQ(languageIndex(Language::Czech), 3U);
    EXPECT_EQ(languageFromIndex(4), std::nullopt);
    EXPECT_EQ(languageFromIndex(255), std::nullopt);
}

}  // namespace
}  // namespace tz::texts
