// The language of the user interface: its index, the command-line words that
// choose it and the four-column text type that every table of texts uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tz::texts {

// The values are the language index kept in the settings file.
enum class Language : std::uint8_t { English = 0, German = 1, French = 2, Czech = 3 };

inline constexpr std::size_t kLanguageCount = 4;

inline constexpr std::array<Language, kLanguageCount> kAllLanguages{
    Language::English, Language::German, Language::French, Language::Czech};

constexpr std::size_t languageIndex(Language language) {
    return static_cast<std::size_t>(language);
}

// The language of a stored index, or nothing when the index names none.
constexpr std::optional<Language> languageFromIndex(std::uint8_t index) {
    if (index >= kLanguageCount) return std::nullopt;
    return static_cast<Language>(index);
}

// The language named by the first command-line argument. The words are
// compared exactly, case included; any other word names no language.
constexpr std::optional<Language> languageFromCommandLineWord(std::string_view word) {
    if (word == "ENGLISH") return Language::English;
    if (word == "DEUTSCH") return Language::German;
    if (word == "FRANCE") return Language::French;
    if (word == "CESKY") return Language::Czech;
    return std::nullopt;
}

// The language of the desktop's locale variables as POSIX ranks them: the
// first non-empty of LC_ALL, LC_MESSAGES and LANG decides. A German, French
// or Czech locale ("de_DE.UTF-8", "fr", "cs_CZ") names its language; any
// other, "C" and none at all give English.
constexpr Language languageFromLocale(std::string_view lcAll, std::string_view lcMessages,
                                      std::string_view lang) {
    const std::string_view locale = !lcAll.empty()        ? lcAll
                                    : !lcMessages.empty() ? lcMessages
                                                          : lang;
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "de") return Language::German;
    if (code == "fr") return Language::French;
    if (code == "cs") return Language::Czech;
    return Language::English;
}

// One text per language, in the order of the language index.
using Translations = std::array<std::string_view, kLanguageCount>;

constexpr std::string_view translated(const Translations& texts, Language language) {
    return texts[languageIndex(language)];
}

// The same text in every language.
constexpr Translations sameInAll(std::string_view text) {
    return {text, text, text, text};
}

}  // namespace tz::texts
