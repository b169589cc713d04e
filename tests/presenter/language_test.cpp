#include <cctype>
#include <map>
#include <set>

#include "session_image.h"
#include "texts/captions.h"
#include "window_fixture.h"

namespace tz {
namespace {

using testing::WindowTest;

// Every text of every control, with selections.
std::vector<std::string> allTexts(const ui::ControlModel& m) {
    std::vector<std::string> texts;
    for (int i = 0; i < m.size(); ++i) {
        const ui::Control& c = m.at(i);
        std::string line = c.name + "|" + c.caption + "|" + c.hint + "|" +
                           std::to_string(c.itemIndex) + "|" + (c.checked ? "x" : "-");
        for (const std::string& item : c.items) line += "|" + item;
        texts.push_back(line);
    }
    return texts;
}

TEST_F(WindowTest, SwitchingLanguagesBackRestoresEveryText) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::BIKE] = kBikeSpecial; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::SYNC_METHOD] = 5; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::INPUT1_FUNCTION] = 3; });
    w.edits().commitImage();
    const std::vector<std::string> english = allTexts(controls());
    for (int language : {1, 2, 3}) {
        w.clicked(id(language == 1 ? "MenuGerman" : language == 2 ? "MenuFrench" : "MenuCzech"));
        EXPECT_EQ(w.captions().language(), language);
        EXPECT_NE(allTexts(controls()), english) << language;
        EXPECT_EQ(control("ComboBoxSynchro").itemIndex, 5);
        EXPECT_EQ(control("RadioGroupInput1").itemIndex, 3);
    }
    w.clicked(id("MenuEnglish"));
    EXPECT_EQ(allTexts(controls()), english);
}

TEST_F(WindowTest, LanguageMenuMarksAndTexts) {
    presenter::WindowPresenter& w = start({"CESKY"});
    EXPECT_TRUE(control("MenuCzech").checked);
    EXPECT_FALSE(control("MenuEnglish").checked);
    EXPECT_EQ(control("MenuFile").caption, "&Soubor");
    EXPECT_EQ(w.captions().messages()[texts::Msg::MsgOpenFileError],
              "Chyba při otevírání souboru!");
    w.clicked(id("MenuGerman"));
    EXPECT_EQ(control("MenuFile").caption, "&Datei");
    EXPECT_TRUE(control("MenuGerman").checked);
    EXPECT_FALSE(control("MenuCzech").checked);
}

TEST_F(WindowTest, PolarityListsFollowTheMethod) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::BIKE] = kBikeSpecial; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::PICKUP1_POLARITY] = 2; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::SYNC_METHOD] = 9; });
    w.edits().commitImage();
    w.captions().fillCaptions();
    EXPECT_EQ(control("RadioGroupPickup1Polarita").items.size(), 2u);
    EXPECT_EQ(control("RadioGroupPickup1Polarita").itemIndex, 1);
    tz::testing::changeImage(w.session(), [&](Image& im) { im[field::SYNC_METHOD] = 3; });
    w.edits().commitImage();
    w.captions().fillCaptions();
    EXPECT_EQ(control("RadioGroupPickup1Polarita").items.size(), 3u);
}

}  // namespace
}  // namespace tz

namespace tz {
namespace {

using testing::WindowTest;

// Every caption and message the fills write has its control in the window
// as it runs (the design with the graph area), in every language and state;
// a misspelt target would otherwise leave a text untranslated unnoticed.
TEST_F(WindowTest, EveryTargetOfTheFillsExistsInTheRunningWindow) {
    presenter::WindowPresenter& w = start();
    for (const texts::Language language : texts::kAllLanguages) {
        for (const bool connected : {false, true}) {
            texts::CaptionInputs in;
            in.language = language;
            in.connected = connected;
            in.cellsSelected = connected;
            std::vector<texts::CaptionAssignment> all = texts::fillCaptions(in);
            for (auto& a : texts::fillMessageCaptions(language, connected)) all.push_back(a);
            for (auto& a : texts::notConnectedPlaceholders(language)) all.push_back(a);
            for (const texts::CaptionAssignment& a : all)
                EXPECT_NE(w.controls().find(a.target), ui::kNoControl)
                    << a.target << " in language " << texts::languageIndex(language);
        }
        w.setLanguage(static_cast<std::uint8_t>(texts::languageIndex(language)));
    }
    EXPECT_EQ(control("CheckBoxGraphFill").caption, "Skryté hrany");
    EXPECT_EQ(control("CheckBoxGraphHeightColors").caption, "Výškové barvy");
}

}  // namespace
}  // namespace tz

namespace tz {
namespace {

using testing::WindowTest;

// The access key of a caption ("&File" gives 'f'), none without one.
char accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(caption[i + 1]);
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    }
    return 0;
}

// Within one menu every item has a key of its own in every language; a
// repeated letter would leave a later item without its key. The French
// captions of three designed items repeat a letter of their own; the binding
// leaves those without a key.
TEST_F(WindowTest, EveryMenuItemHasAnAccessKeyOfItsOwnInItsMenu) {
    const std::set<std::string> designed = {"&Aide", "&Imprimer tout", "&Contenu du programme"};
    presenter::WindowPresenter& w = start();
    for (const texts::Language language : texts::kAllLanguages) {
        w.setLanguage(static_cast<std::uint8_t>(texts::languageIndex(language)));
        const ui::ControlModel& m = w.controls();
        for (ui::ControlId menu = 0; menu < m.size(); ++menu) {
            if (m.at(menu).kind != ui::Kind::Menu) continue;
            std::map<char, std::string> taken;
            for (ui::ControlId item : m.children(menu)) {
                const char key = accessKey(m.at(item).caption);
                if (key == 0) continue;
                const auto [at, fresh] = taken.emplace(key, m.at(item).caption);
                EXPECT_TRUE(fresh || designed.count(m.at(item).caption) > 0)
                    << m.at(item).caption << " and " << at->second << " in " << m.at(menu).name
                    << ", language " << texts::languageIndex(language);
            }
        }
    }
}

}  // namespace
}  // namespace tz
