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
    MainWindow& w = start();
    w.image()[field::BIKE] = kBikeSpecial;
    w.image()[field::SYNC_METHOD] = 5;
    w.image()[field::INPUT1_FUNCTION] = 3;
    w.CommitEdit();
    const std::vector<std::string> english = allTexts(controls());
    for (int language : {1, 2, 3}) {
        w.clicked(id(language == 1 ? "MenuGerman" : language == 2 ? "MenuFrench" : "MenuCzech"));
        EXPECT_EQ(w.language(), language);
        EXPECT_NE(allTexts(controls()), english) << language;
        EXPECT_EQ(control("ComboBoxSynchro").itemIndex, 5);
        EXPECT_EQ(control("RadioGroupInput1").itemIndex, 3);
    }
    w.clicked(id("MenuEnglish"));
    EXPECT_EQ(allTexts(controls()), english);
}

TEST_F(WindowTest, LanguageMenuMarksAndTexts) {
    MainWindow& w = start({"CESKY"});
    EXPECT_TRUE(control("MenuCzech").checked);
    EXPECT_FALSE(control("MenuEnglish").checked);
    EXPECT_EQ(control("MenuFile").caption, "&Soubor");
    EXPECT_EQ(w.messages()[texts::Msg::MsgOpenFileError], "Chyba při otevírání souboru!");
    w.clicked(id("MenuGerman"));
    EXPECT_EQ(control("MenuFile").caption, "&Datei");
    EXPECT_TRUE(control("MenuGerman").checked);
    EXPECT_FALSE(control("MenuCzech").checked);
}

TEST_F(WindowTest, PolarityListsFollowTheMethod) {
    MainWindow& w = start();
    w.image()[field::BIKE] = kBikeSpecial;
    w.image()[field::PICKUP1_POLARITY] = 2;
    w.image()[field::SYNC_METHOD] = 9;
    w.CommitEdit();
    w.FillCaptions();
    EXPECT_EQ(control("RadioGroupPickup1Polarita").items.size(), 2u);
    EXPECT_EQ(control("RadioGroupPickup1Polarita").itemIndex, 1);
    w.image()[field::SYNC_METHOD] = 3;
    w.CommitEdit();
    w.FillCaptions();
    EXPECT_EQ(control("RadioGroupPickup1Polarita").items.size(), 3u);
}

}  // namespace
}  // namespace tz
