// The settings check's dialog with Qt under the offscreen platform.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "graphs/trigger_wheel.h"
#include "gui/check_dialog.h"
#include "gui/qt_canvas.h"
#include "params/defaults.h"
#include "params/editor_rules.h"
#include "params/param_state.h"
#include "presenter/settings_checks.h"
#include "texts/check_texts.h"

namespace tz::gui {
namespace {

using presenter::CheckChoice;

TEST(QtCheckDialog, EachButtonIsOneChoice) {
    const presenter::CheckModel model{"Check",           "2 findings", {"first", "second"},
                                      "&Program anyway", "&Cancel",    "&Go to the cell"};
    QMainWindow parent;
    struct Case {
        const char* button;
        int row;  // selected before the click
        CheckChoice::Action action;
        std::size_t finding;
    };
    const Case cases[] = {
        {"programAnyway", 0, CheckChoice::Action::ProgramAnyway, 0},
        {"cancel", 0, CheckChoice::Action::Cancel, 0},
        {"goToCell", 1, CheckChoice::Action::GoTo, 1},
    };
    for (const Case& c : cases) {
        CheckDialog dialog(model, &parent);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("findings"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "second");
        list->setCurrentRow(c.row);
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr) << c.button;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(dialog.choice().action, c.action) << c.button;
        EXPECT_EQ(dialog.choice().finding, c.finding) << c.button;
    }
    // Enter does not program: Cancel is the default button.
    CheckDialog dialog(model, &parent);
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->isDefault());
}

// The manuals' pictures: the dialog over a map with a slip of the keyboard,
// and the wheel of the NSR preset, in every language (saved when
// TZ_SCREENSHOT_DIR names a directory).
TEST(QtCheckDialog, PicturesOfTheCheckAndTheWheel) {
    ParamState state = firstStartState();
    Image& image = state.image;
    image[field::BIKE] = 5;
    ApplyBikePreset(image);
    ApplyEditorRules(image);
    state.normalise();
    Image slip = image;
    slip[advanceCell(9, 4)] = 45;
    slip[field::INPUT1_FUNCTION] = 3;
    slip[field::RETARD] = 8;
    const editing::CheckLimits limits;
    const std::vector<editing::SettingsFinding> findings = editing::checkSettings(slip, limits);
    ASSERT_EQ(findings.size(), 3u);
    const graphs::WheelLayout wheel = graphs::triggerWheelLayout(image);

    const char* directory = std::getenv("TZ_SCREENSHOT_DIR");
    const char* suffixes[] = {"en", "de", "fr", "cz"};
    QMainWindow parent;
    for (texts::Language language : texts::kAllLanguages) {
        const QString suffix = QString::fromLatin1(suffixes[texts::languageIndex(language)]);
        CheckDialog dialog(presenter::checkModel(findings, limits, language, slip), &parent);
        dialog.resize(620, 260);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QPixmap picture = dialog.grab();
        EXPECT_FALSE(picture.isNull());

        QImage drawn(420, 190, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&drawn);
            QtCanvas canvas(painter, drawn.width(), drawn.height());
            const std::string tdc = texts::checkText(texts::CheckText::WheelTdc, language);
            const std::vector<std::string> caption =
                texts::wheelCaption(language, wheel.largestAdvance);
            graphs::drawTriggerWheel(canvas, wheel, {tdc, caption});
        }
        if (directory) {
            const QString dir = QString::fromUtf8(directory) + QStringLiteral("/");
            EXPECT_TRUE(picture.save(dir + QStringLiteral("check_%1.png").arg(suffix)));
            EXPECT_TRUE(drawn.save(dir + QStringLiteral("wheel_%1.png").arg(suffix)));
        }
    }
}

}  // namespace
}  // namespace tz::gui
