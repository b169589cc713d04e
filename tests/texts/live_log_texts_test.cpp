#include "texts/live_log_texts.h"

#include <gtest/gtest.h>

namespace tz::texts {
namespace {

TEST(FillIn, PutsTheValuesInOrderAndLeavesOutMarksWithoutOne) {
    struct Case {
        std::string_view pattern;
        std::initializer_list<std::string_view> values;
        std::string_view expected;
    };
    const Case cases[] = {
        {"line {}: {}", {"7", "rpm"}, "line 7: rpm"},
        {"{}{}", {"a", "b"}, "ab"},
        {"no marks", {"x"}, "no marks"},
        {"{} and {}", {"one"}, "one and "},
        {"{ } {}", {"x", "y"}, "{ } x"},
    };
    for (const Case& c : cases) EXPECT_EQ(fillIn(c.pattern, c.values), c.expected) << c.pattern;
}

// A translation that lost a "{}" would drop the value it should show.
TEST(LogTexts, EveryLanguageHasTheTextWithTheSameValueMarks) {
    const auto marks = [](std::string_view text) {
        int n = 0;
        for (std::size_t at = text.find("{}"); at != std::string_view::npos;
             at = text.find("{}", at + 2))
            ++n;
        return n;
    };
    for (int t = 0; t <= static_cast<int>(LogText::ProblemTimeBackwards); ++t) {
        const auto text = static_cast<LogText>(t);
        const int english = marks(logText(text, Language::English));
        for (Language language : kAllLanguages) {
            EXPECT_FALSE(logText(text, language).empty()) << t;
            EXPECT_EQ(marks(logText(text, language)), english) << t;
        }
    }
}

}  // namespace
}  // namespace tz::texts
