// The window in the desktop's look: a dark desktop palette and style taken
// at the menu's word, with the texts of the controls still readable.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <cstdlib>

#include "canvas/contrast.h"
#include "gui/app_look.h"
#include "platform/atomic_file.h"
#include "shown_window.h"
#include "texts/language.h"

namespace tz::gui {
namespace {

QPalette darkPalette() {
    QPalette dark(QColor(0x31, 0x36, 0x3B), QColor(0x23, 0x26, 0x29));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Base, QColor(0x1B, 0x1E, 0x20));
        dark.setColor(group, QPalette::Text, QColor(0xFC, 0xFC, 0xFC));
        dark.setColor(group, QPalette::WindowText, QColor(0xFC, 0xFC, 0xFC));
        dark.setColor(group, QPalette::ButtonText, QColor(0xFC, 0xFC, 0xFC));
    }
    return dark;
}

graphs::Rgb rgbOf(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

double textContrast(const QWidget& widget, QPalette::ColorRole text, QPalette::ColorRole ground) {
    return graphs::contrastRatio(rgbOf(widget.palette().color(QPalette::Active, text)),
                                 rgbOf(widget.palette().color(QPalette::Active, ground)));
}

class DesktopLookTest : public tz::testing::ShownWindow {
  protected:
    void TearDown() override {
        if (applicationLook() == Look::Desktop) applyApplicationLook(Look::Designed);
        ShownWindow::TearDown();
    }
    QWidget& widget(const char* name) {
        return *program->binding().widget(program->logic().controls().id(ui::ControlName{name}));
    }
    QAction& menu(const char* name) {
        return *program->binding().action(program->logic().controls().id(ui::ControlName{name}));
    }
};

// Pictures of the Advance and Inputs pages on a dark desktop in every
// language, written into TZ_SCREENSHOT_DIR when it is set.
TEST_F(DesktopLookTest, ADarkDesktopIsTakenAndTheTextsStayReadable) {
    rememberDesktopLook({QStringLiteral("Fusion"), darkPalette(), QApplication::font()});
    QAction& look = menu("MenuDesktopLook");
    ASSERT_TRUE(look.isCheckable());
    look.trigger();
    program->binding().sync();
    EXPECT_TRUE(look.isChecked());
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(0x23, 0x26, 0x29));

    // The page control's frame and tabs show the desktop's colours too.
    EXPECT_EQ(widget("PageControl1").palette().color(QPalette::Button), QColor(0x31, 0x36, 0x3B));
    // Edit boxes take the dark base; their black text turns light.
    for (const char* edit : {"EditOmez2", "Edit50", "EditRpmAdv1"}) {
        SCOPED_TRACE(edit);
        EXPECT_EQ(widget(edit).palette().color(QPalette::Base), QColor(0x1B, 0x1E, 0x20));
        EXPECT_GE(textContrast(widget(edit), QPalette::Text, QPalette::Base),
                  graphs::kTextContrast);
    }
    // A label on its page, whose ground is the window's or the button face's.
    EXPECT_GE(textContrast(widget("LabelOmez2"), QPalette::WindowText, QPalette::Window),
              graphs::kTextContrast);

    if (const char* directory = std::getenv("TZ_SCREENSHOT_DIR")) {
        const char* suffixes[] = {"en", "de", "fr", "cz"};
        for (texts::Language language : texts::kAllLanguages) {
            program->logic().setLanguage(static_cast<std::uint8_t>(texts::languageIndex(language)));
            for (int page : {0, 2}) {
                widget("PageControl1").findChild<QTabBar*>()->setCurrentIndex(page);
                program->binding().sync();
                EXPECT_TRUE(program->window().grab().save(
                    QStringLiteral("%1/desktop_look_%2_%3.png")
                        .arg(QString::fromUtf8(directory))
                        .arg(page)
                        .arg(QString::fromLatin1(suffixes[texts::languageIndex(language)]))));
            }
        }
    }

    look.trigger();
    program->binding().sync();
    EXPECT_EQ(applicationLook(), Look::Designed);
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("windows"));
    EXPECT_EQ(widget("EditOmez2").palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(DesktopLookTest, TheChoiceIsKeptInTheSettings) {
    menu("MenuDesktopLook").trigger();
    program->window().close();
    program.reset();
    const std::string settings = readWholeFile(dir.file("TZ_ARKO5_v91.ini")).value_or("");
    EXPECT_NE(settings.find("DesktopLook=1\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace tz::gui
