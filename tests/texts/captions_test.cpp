#include "texts/captions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tz::texts {
namespace {

class FillCaptionsTest : public ::testing::Test {
  protected:
    static std::vector<const CaptionAssignment*> all(const std::vector<CaptionAssignment>& list,
                                                     std::string_view target, Aspect aspect) {
        std::vector<const CaptionAssignment*> found;
        for (const CaptionAssignment& a : list) {
            if (a.target == target && a.aspect == aspect) found.push_back(&a);
        }
        return found;
    }

    // The text written to a target, or nothing when the fill leaves it alone.
    static std::optional<std::string> text(const std::vector<CaptionAssignment>& list,
                                           std::string_view target, Aspect aspect = Aspect::Caption,
                                           int item = -1) {
        for (const CaptionAssignment* a : all(list, target, aspect)) {
            if (a->item == item) return a->text;
        }
        return std::nullopt;
    }

    std::vector<CaptionAssignment> fill(Language language) {
        inputs.language = language;
        return fillCaptions(inputs);
    }

    CaptionInputs inputs;
};

struct SampleCase {
    Language language;
    std::string_view target;
    Aspect aspect;
    int item;
    std::string_view expected;
};

TEST_F(FillCaptionsTest, SampleTextsAreExact) {
    const SampleCase cases[] = {
        {Language::German, "MenuFile", Aspect::MenuCaption, -1, "&Datei"},
        {Language::French, "MenuSave", Aspect::MenuCaption, -1, "&Mèmoriser"},
        {Language::Czech, "MenuRead", Aspect::MenuCaption, -1, "Čí&st"},
        {Language::Czech, "ButtonRead", Aspect::Caption, -1, "Čí&st"},
        {Language::German, "BitBtnProgram", Aspect::Caption, -1, "&Programmieren"},
        {Language::French, "BitBtnVerify", Aspect::Caption, -1, "&Verifier"},
        {Language::English, "MenuDevice", Aspect::MenuCaption, -1, "&Ignition"},
        {Language::French, "LabelSpojeni", Aspect::Caption, -1, "Pas de connection acec pc"},
        {Language::Czech, "LabelSpojeni", Aspect::Caption, -1, "Není spojení s PC"},
        {Language::English, "ComboBoxBike", Aspect::ComboItem, 0,
         "Classic (1 lobe, 1 or 2 pick-up) "},
        {Language::German, "ComboBoxBike", Aspect::ComboItem, 0,
         "Klassisch (1 Leitstück, 1 oder 2 Geber)"},
        {Language::Czech, "ComboBoxBike", Aspect::ComboItem, 4, "Honda NSR 250 MC18 -"},
        {Language::French, "ComboBoxBike", Aspect::ComboItem, 6, "Spécial ajustage"},
        {Language::French, "ComboBoxSynchro", Aspect::ComboItem, 5,
         "2 short gaps between lobes (inserted lobe)"},
        {Language::German, "ComboBoxSynchro", Aspect::ComboItem, 13,
         "Lang Abstand zwischen Leitstücken + Steuernocken(CMPS)"},
        {Language::German, "ComboBoxSynchro", Aspect::ComboItem, 14, "Honda CRM 250"},
        {Language::Czech, "ComboBoxNasobekPalcu", Aspect::ComboItem, 3,
         "1 zápal za 2 otáčky (vačkový hřídel)"},
        {Language::French, "TabSheetBike", Aspect::Caption, -1, "&Motocycle"},
        {Language::Czech, "LabelKompenz", Aspect::Caption, -1, "Kompenzace "},
        {Language::Czech, "GroupBoxPalec2", Aspect::Caption, -1, "Kanál 2"},
        {Language::English, "LabelRetard", Aspect::Caption, -1, "Retard [°]"},
        {Language::German, "LabelRetard", Aspect::Caption, -1, "Spätzündung"},
        {Language::French, "CheckBoxProgHned", Aspect::Caption, -1, "Sovegarde après modification"},
        {Language::German, "LabelBaseAdv", Aspect::Caption, -1, "Grundvorzündung [°]"},
        {Language::Czech, "CheckBoxNehlidaPalec", Aspect::Caption, -1, "Nehlídat délku výstupku"},
        {Language::English, "LabelRpmAdv", Aspect::ControlHint, -1,
         "Round per Minute|Speed - Round per Minute"},
        {Language::German, "LabelRpmAdv", Aspect::ControlHint, -1, "Umdrehungen pro Minute"},
        {Language::English, "SpeedButton6", Aspect::ControlHint, -1, "Set default parametrs"},
        {Language::English, "MenuNew", Aspect::MenuHint, -1, "Set default parameters "},
        {Language::Czech, "BitBtnVerify", Aspect::ControlHint, -1,
         "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
         "zapalování"},
        {Language::English, "MenuVerify", Aspect::MenuHint, -1,
         "Compare set parametrs  with parametrs of ignition"},
        {Language::French, "MenuLanguage", Aspect::MenuHint, -1,
         "Installer lange; Englais,Allemand , Francais ou Czech"},
        {Language::Czech, "MenuGerman", Aspect::MenuHint, -1, "Deutsches Menü"},
        {Language::French, "CheckBoxProgHned", Aspect::ControlHint, -1,
         "Programation instantanée des modifications"},
        {Language::French, "RadioGroupInput2", Aspect::Caption, -1,
         "entrée multifonction 2 (pin 8)"},
        {Language::French, "RadioGroupInput1", Aspect::RadioItems, -1,
         "Off\nInterrupteur de sécurité\npar embeillage\nRetard à l´allumage\nLimitateur départ"},
        {Language::German, "RadioGroupInput2", Aspect::RadioItems, -1,
         "Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer"},
        {Language::Czech, "CheckBoxGraphFill", Aspect::Caption, -1, "Skryté hrany"},
        {Language::French, "CheckBoxGraphHeightColors", Aspect::Caption, -1, "Height colors"},
    };
    for (const SampleCase& c : cases) {
        EXPECT_EQ(text(fill(c.language), c.target, c.aspect, c.item), std::string(c.expected))
            << c.target << " item " << c.item << ", language " << static_cast<int>(c.language);
    }
}

TEST_F(FillCaptionsTest, EveryTargetGetsOneNonEmptyTextInEveryLanguage) {
    for (Language language : kAllLanguages) {
        const auto list = fill(language);
        std::set<std::tuple<std::string_view, Aspect, int>> seen;
        for (const CaptionAssignment& a : list) {
            EXPECT_TRUE(seen.emplace(a.target, a.aspect, a.item).second)
                << a.target << " written twice";
            if (a.aspect != Aspect::MenuCheck) {
                EXPECT_FALSE(a.text.empty()) << a.target;
            }
        }
    }
}

TEST_F(FillCaptionsTest, ChecksExactlyTheMenuItemOfTheLanguage) {
    const std::string_view items[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
    for (Language language : kAllLanguages) {
        const auto list = fill(language);
        for (std::size_t i = 0; i < std::size(items); ++i) {
            const auto marks = all(list, items[i], Aspect::MenuCheck);
            ASSERT_EQ(marks.size(), 1U) << items[i];
            EXPECT_EQ(marks[0]->checked, i == languageIndex(language)) << items[i];
        }
    }
}

TEST_F(FillCaptionsTest, WindowCaptionIsTitleSevenBlanksAndFileName) {
    inputs.fileName = "C:\\bikes\\nsr.ign";
    for (Language language : kAllLanguages) {
        EXPECT_EQ(text(fill(language), kMainWindow, Aspect::WindowCaption),
                  "  TZ_ARKO5       C:\\bikes\\nsr.ign");
    }
    inputs.fileName = {};
    EXPECT_EQ(text(fill(Language::German), kMainWindow, Aspect::WindowCaption),
              "  TZ_ARKO5       ");
}

TEST_F(FillCaptionsTest, WholeMapBoxReadsSelWhileCellsAreSelected) {
    const std::string_view allTexts[] = {"All", "Alles", "Tout", "Vše"};
    for (Language language : kAllLanguages) {
        const std::string expectedAll(allTexts[languageIndex(language)]);
        inputs.cellsSelected = false;
        EXPECT_EQ(text(fill(language), "CheckBoxIgnAll"), expectedAll);
        inputs.cellsSelected = true;
        const auto list = fill(language);
        EXPECT_EQ(text(list, "CheckBoxIgnAll"), "Sel");
        EXPECT_EQ(text(list, "CheckBoxServoAll"), expectedAll);
    }
}

TEST_F(FillCaptionsTest, PickupPolarityOffersSelfsearchExceptUnderMethod9) {
    for (int method = 0; method <= 14; ++method) {
        inputs.syncMethod = static_cast<std::uint8_t>(method);
        const auto list = fill(Language::English);
        const std::string expected =
            method == 9 ? "Positive\nNegative" : "Positive\nNegative\nSelfsearch";
        EXPECT_EQ(text(list, "RadioGroupPickup1Polarita", Aspect::RadioItems), expected) << method;
        EXPECT_EQ(text(list, "RadioGroupPickup2Polarita", Aspect::RadioItems), expected) << method;
    }
    inputs.syncMethod = 9;
    const auto czech = fill(Language::Czech);
    EXPECT_EQ(text(czech, "RadioGroupPickup2Polarita", Aspect::RadioItems), "Kladná\nZáporná");
    EXPECT_EQ(text(czech, "RadioGroupPickup2Polarita"), "Polarita snímače 2");
    inputs.syncMethod = 0;
    EXPECT_EQ(text(fill(Language::German), "RadioGroupPickup1Polarita", Aspect::RadioItems),
              "Positiv\nNegativ\nAutomatisch");
}

TEST_F(FillCaptionsTest, ComboItemsWithoutTranslationAreLeftAlone) {
    const auto list = fill(Language::German);
    for (int item : {1, 2, 3}) EXPECT_FALSE(text(list, "ComboBoxBike", Aspect::ComboItem, item));
    EXPECT_FALSE(text(list, "ComboBoxSynchro", Aspect::ComboItem, 8));
}

struct PlaceholderCase {
    std::string_view target;
    std::string_view german;
};

constexpr PlaceholderCase kPlaceholders[] = {
    {"LabelBlocking1", "Motor off - ---"},
    {"LabelClutchMon", "Schaltautomat - ---"},
    {"LabelMonInput1In", "Eingang 1: ---"},
    {"LabelMonInput2In", "Eingang 2: ---"},
    {"LabelMonStartLimiterOut", "Startbegrenzer: ---"},
    {"LabelMonRetard", "Spätzündung: ---"},
    {"LabelKillSwitch", "Not Aus: ---"},
    {"LabelMonPOut1", "Sonderausgang 1 - ---"},
    {"LabelMonPOut2", "Sonderausgang 2 - ---"},
    {"LabelMonPOut3", "Sonderausgang 3 - ---"},
    {"ButtonTestIgn1", "Zylinder 1"},
    {"ButtonTestIgn2", "Zylinder 2"},
    {"LabelAdvance1", "Vorzündung 1 = --- [°]"},
    {"LabelAdvance2", "Vorzündung 2 = --- [°]"},
    {"LabelPocetProgramovani", "Programmierungsanzahl= ---"},
    {"LabelMonSnimac1", "Geber(CKPS) 1 = ---"},
    {"LabelMonSnimac2", "Geber(CKPS) 2 = ---"},
    {"LabelPriveraPoz", "Servo Sollspanung= ---"},
    {"LabelPriveraMer", "Servo Gemessene= ---"},
};

TEST_F(FillCaptionsTest, PlaceholdersOnlyWhileNotConnected) {
    inputs.connected = false;
    const auto offline = fill(Language::German);
    for (const PlaceholderCase& c : kPlaceholders) {
        EXPECT_EQ(text(offline, c.target), std::string(c.german)) << c.target;
    }

    inputs.connected = true;
    const auto online = fill(Language::German);
    for (const PlaceholderCase& c : kPlaceholders) {
        EXPECT_FALSE(text(online, c.target)) << c.target;
    }
    EXPECT_EQ(text(online, "RadioGroupInput1"), "Multifunktionseingang 1 (pin 19)");
    EXPECT_EQ(text(online, "CheckBoxGraphFill"), "Fill");
    EXPECT_EQ(offline.size() - online.size(), std::size(kPlaceholders));
}

TEST_F(FillCaptionsTest, EndsWithTheCaptionsOfTheMessageFill) {
    for (bool connected : {false, true}) {
        inputs.connected = connected;
        const auto list = fill(Language::Czech);
        const auto tail = fillMessageCaptions(Language::Czech, connected);
        ASSERT_GE(list.size(), tail.size());
        EXPECT_TRUE(std::equal(tail.begin(), tail.end(), list.end() - std::ssize(tail)));
    }
}

TEST(FillMessageCaptions, GraphBoxesAlwaysMonitorPlaceholdersOnlyOffline) {
    const auto online = fillMessageCaptions(Language::Czech, true);
    ASSERT_EQ(online.size(), 2U);
    EXPECT_EQ(online[0], (CaptionAssignment{"CheckBoxGraphFill", Aspect::Caption, "Skryté hrany"}));
    EXPECT_EQ(online[1],
              (CaptionAssignment{"CheckBoxGraphHeightColors", Aspect::Caption, "Výškové barvy"}));

    const auto offline = fillMessageCaptions(Language::English, false);
    ASSERT_EQ(offline.size(), 9U);
    EXPECT_EQ(offline[0],
              (CaptionAssignment{"LabelAdvance1", Aspect::Caption, "Advance 1 = --- [°]"}));
    EXPECT_EQ(offline[4],
              (CaptionAssignment{"LabelMonSnimac2", Aspect::Caption, "Pick-up (CKPS) 2 = ---"}));
}

}  // namespace
}  // namespace tz::texts
