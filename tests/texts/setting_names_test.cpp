#include "texts/setting_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "params/ign_values.h"
#include "params/param_state.h"

namespace tz::texts {
namespace {

const Image& defaults() {
    static const Image image = firstStartState().image;
    return image;
}

TEST(SettingNames, EveryNumberOfAFileHasItsOwnCleanName) {
    for (Language language : kAllLanguages) {
        std::set<std::string> seen;
        for (const IgnValue& v : ignValues()) {
            const std::string name = settingName(v.key, v.index, language, defaults());
            const std::string where = std::string(v.key) + " " + std::to_string(v.index);
            EXPECT_TRUE(seen.insert(name).second) << where << " repeats " << name;
            EXPECT_FALSE(name.empty()) << where;
            EXPECT_EQ(name.find_first_of("&[]\t\n"), std::string::npos) << where << ": " << name;
            for (const char* placeholder : {"%1", "%2"})
                EXPECT_EQ(name.find(placeholder), std::string::npos) << where << ": " << name;
            EXPECT_NE(name.front(), ' ') << where;
            EXPECT_NE(name.back(), ' ') << where;
        }
    }
}

TEST(SettingNames, ReadAsTheWindowInEachLanguage) {
    Image faster = defaults();
    faster[field::RPM_ADV + 3] = 45;
    struct Case {
        const char* key;
        int index;
        Language language;
        const Image& axes;
        const char* name;
    };
    const Case cases[] = {
        {"LIMITER", 2, Language::English, defaults(), "Limiter"},
        {"LIMITER", 2, Language::French, defaults(), "Limitateur de régime"},
        {"ADVANCE", 54, Language::English, defaults(), "Advance Map, 4000 rpm, TPS 30 %"},
        {"ADVANCE", 54, Language::German, faster, "Vorzündung Karte, 4500 U/min, TPS 30 %"},
        {"ADVANCE", 91, Language::Czech, defaults(), "Mapa předstihu, 1000 ot/min, TPS 100 %"},
        {"BIKE", 13, Language::German, defaults(), "Kanal 2, Maximale Vorzündung, 2. Geber"},
        {"INPUT", 2, Language::English, defaults(), "Multifunction input 2 (pin 8)"},
        {"COR_ADV_12", 2, Language::Czech, defaults(), "Korekce pro válec 2"},
        {"RPM", 2, Language::German, defaults(), "Drehzahlmesserausgang, Korrektion"},
        {"POWER_OUT3", 12, Language::French, defaults(),
         "Sortie de puissance 3, zone ligne 2, colonne 2"},
        {"SERVO_MV", 10, Language::Czech, defaults(), "Servo, bod 10, napětí"},
        {"BYTE", 123, Language::English, defaults(), "Image byte 123"},
        {"BYTE", 123, Language::German, defaults(), "Abbild-Byte 123"},
        {"BYTE", 123, Language::French, defaults(), "Octet d'image 123"},
        {"BYTE", 123, Language::Czech, defaults(), "Bajt obrazu 123"},
        {"BYTE", 300, Language::English, defaults(), "BYTE 300"},
        {"LIMITER", 4, Language::English, defaults(), "LIMITER 4"},
        {"KORVANEX_KEY", 1, Language::English, defaults(), "KORVANEX_KEY 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(settingName(c.key, c.index, c.language, c.axes), c.name)
            << c.key << " " << c.index << " in language " << static_cast<int>(c.language);
}

TEST(SettingNames, PagesAreNamedAsTheirTabs) {
    EXPECT_EQ(pageName(WindowPage::AdvanceMap, Language::French), "Avance carte");
    EXPECT_EQ(pageName(WindowPage::Bike, Language::German), "Mottorad");
    EXPECT_EQ(pageName(WindowPage::PowerOut, Language::Czech), "Výkonové výstupy");
    for (Language language : kAllLanguages) {
        std::set<std::string> names;
        for (WindowPage page :
             {WindowPage::None, WindowPage::Inputs, WindowPage::Bike, WindowPage::AdvanceMap,
              WindowPage::Servo, WindowPage::PowerOut, WindowPage::Test})
            EXPECT_TRUE(names.insert(pageName(page, language)).second);
        EXPECT_FALSE(names.contains(""));
    }
}

}  // namespace
}  // namespace tz::texts
