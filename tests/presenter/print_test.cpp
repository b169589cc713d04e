#include "platform/atomic_file.h"
#include "print/fit_to_page.h"
#include "window_fixture.h"

namespace tz {
namespace {

using testing::WindowTest;

TEST(FitToPage, FillsTheHeightOrTheWidth) {
    struct Case {
        int w, h, W, H;
        PrintSize expected;
    };
    const Case cases[] = {
        {983, 758, 4800, 6800, {4800, 3701}},  // portrait: full width, about half the height
        {983, 758, 6800, 4800, {6225, 4800}},  // landscape: full height
        {100, 100, 300, 300, {300, 300}},      // same proportions: the width rule wins
        {3, 2, 10, 10, {10, 7}},               // 6.67 rounds to 7
        {0, 100, 300, 300, {0, 0}},
        {100, 100, 0, 300, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitToPage(c.w, c.h, c.W, c.H), c.expected)
            << c.w << "x" << c.h << " on " << c.W << "x" << c.H;
}

TEST_F(WindowTest, PrintPageShowsThePrintLayoutOnlyWhilePrinting) {
    presenter::WindowPresenter& w = start({"DEUTSCH"});
    controls().userSetItemIndex(id("PageControl1"), 2);
    printer.onPrint = [&] {
        EXPECT_TRUE(w.mode().printLayout);
        EXPECT_FALSE(control("GroupBoxToolBar").visible);
        EXPECT_FALSE(control("StatusBar1").visible);
        EXPECT_FALSE(control("UpDown149").visible);
        EXPECT_FALSE(control("CSpinButtonAll").visible);
        EXPECT_FALSE(control("CheckBoxTpsMapa").visible);
        EXPECT_FALSE(control("LabelSpojeni").visible);
        EXPECT_EQ(control("TFormHlav").colour, ui::Colour::White);
        EXPECT_EQ(control("LabelHlaseni").colour, ui::Colour::White);
        return control("LabelHlaseni").caption;
    };
    w.clicked(id("MenuPrint"));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0], "Zeitpunkt des Ausdruckes   10.12.2026    04:30:00");
    EXPECT_FALSE(w.mode().printLayout);
    EXPECT_TRUE(control("GroupBoxToolBar").visible);
    EXPECT_TRUE(control("StatusBar1").visible);
    EXPECT_EQ(control("TFormHlav").colour, ui::Colour::ButtonFace);
    EXPECT_EQ(control("LabelHlaseni").colour, ui::Colour::ButtonFace);
    EXPECT_EQ(control("PageControl1").itemIndex, 2);
    EXPECT_EQ(w.messageLine().countdown(), 200);
}

TEST_F(WindowTest, PrintAllPagesPrintsFourPagesWithTheirTabs) {
    presenter::WindowPresenter& w = start();
    controls().userSetItemIndex(id("PageControl1"), 5);
    printer.onPrint = [&] {
        std::string shown;
        for (const char* page :
             {"TabSheet_Inputs", "TabSheetBike", "TabSheetAdvance", "TabSheetServo"})
            if (control(page).tabVisible) shown += page;
        const int active = control("PageControl1").itemIndex;
        return shown + "@" + std::to_string(active);
    };
    w.clicked(id("MenuPrintAll"));
    EXPECT_EQ(printer.jobs, (std::vector<std::string>{"TabSheet_Inputs@0", "TabSheetBike@1",
                                                      "TabSheetAdvance@2", "TabSheetServo@3"}));
    EXPECT_EQ(control("PageControl1").itemIndex, 5);
    EXPECT_TRUE(control("TabSheetBike").tabVisible);
    EXPECT_FALSE(w.mode().printLayout);
}

TEST_F(WindowTest, FailedPrintShowsTheErrorAndRestoresTheWindow) {
    presenter::WindowPresenter& w = start();
    printer.failure = "No default printer";
    w.clicked(id("SpeedButtonPrint"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"No default printer"});
    EXPECT_FALSE(w.mode().printLayout);
    EXPECT_TRUE(control("GroupBoxToolBar").visible);
}

// The grid overlay behind the map cells takes the window's colour: button
// face on screen, white on paper.
TEST_F(WindowTest, TheGridOverlayIsClearedWithTheWindowsColour) {
    presenter::WindowPresenter& w = start();
    const ui::ControlId overlay = id("ImageGridOverlay");
    const auto background = [&] { return surfaces.lastCalls[overlay].front().brush; };
    ASSERT_FALSE(surfaces.lastCalls[overlay].empty());
    EXPECT_EQ(background(), graphs::rgb(0xD4D0C8));
    graphs::Rgb printed{};
    printer.onPrint = [&] {
        printed = background();
        return std::string();
    };
    w.clicked(id("MenuPrint"));
    EXPECT_EQ(printed, graphs::colour::kWhite);
    EXPECT_EQ(background(), graphs::rgb(0xD4D0C8));
}

TEST_F(WindowTest, ManualInTheCurrentLanguage) {
    presenter::WindowPresenter& w = start({"CESKY"});
    w.clicked(id("MenuContens"));
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_EQ(
        dialogs.messages,
        std::vector<std::string>{"Chyba při otevírání souboru manual_flintar_tz_arko5_cz.pdf !"});

    ASSERT_TRUE(writeFileAtomically(dir.file("manual_flintar_tz_arko5_cz.pdf"), "%PDF-1.4"));
    w.clicked(id("MenuContens"));
    EXPECT_EQ(desktop.opened, std::vector<std::string>{dir.file("manual_flintar_tz_arko5_cz.pdf")});
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // The manual is there but no viewer starts: said so, with the file.
    desktop.viewerWorks = false;
    w.clicked(id("MenuContens"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1], "Nepodařilo se spustit žádný program pro zobrazení návodu: " +
                                       dir.file("manual_flintar_tz_arko5_cz.pdf"));
}

TEST_F(WindowTest, AboutBoxCaptionFollowsTheLanguage) {
    presenter::WindowPresenter& w = start({"CESKY"});
    w.clicked(id("MenuAbout"));
    w.clicked(id("MenuEnglish"));
    w.clicked(id("MenuAbout"));
    EXPECT_EQ(desktop.aboutCaptions,
              (std::vector<std::string>{"O programu TZ_ARKO5", "About TZ_ARKO5"}));
}

}  // namespace
}  // namespace tz
