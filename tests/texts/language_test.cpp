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

TEST(LanguageFromLocale, TheFirstSetVariableNamesTheLanguage) {
    struct Case {
        std::string_view lcAll, lcMessages, lang;
        Language expected;
    };
    const Case cases[] = {
        {"", "", "de_DE.UTF-8", Language::German},
        {"", "", "de_AT", Language::German},
        {"", "", "fr_FR.UTF-8", Language::French},
        {"", "", "fr_CA", Language::French},
        {"", "", "cs_CZ.UTF-8", Language::Czech},
        {"", "", "cs", Language::Czech},
        {"", "", "de@euro", Language::German},
        {"", "", "en_GB.UTF-8", Language::English},
        {"", "", "sk_SK.UTF-8", Language::English},
        {"", "", "C.UTF-8", Language::English},
        {"", "", "POSIX", Language::English},
        {"", "", "", Language::English},
        {"", "", "dex_DE", Language::English},
        {"", "", "DE_de", Language::English},
        {"", "cs_CZ.UTF-8", "de_DE.UTF-8", Language::Czech},
        {"fr_FR.UTF-8", "cs_CZ.UTF-8", "de_DE.UTF-8", Language::French},
        {"C", "", "de_DE.UTF-8", Language::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageFromLocale(c.lcAll, c.lcMessages, c.lang), c.expected)
            << '"' << c.lcAll << "\" \"" << c.lcMessages << "\" \"" << c.lang << '"';
    }
}

}  // namespace
}  // namespace tz::texts
