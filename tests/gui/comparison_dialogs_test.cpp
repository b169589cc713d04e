// The comparison and restore point dialogs with Qt, alone and in the real
// window against the simulated unit, under the offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>

#include "fake_services.h"
#include "gui/application.h"
#include "gui/comparison_dialogs.h"
#include "params/editor_rules.h"
#include "platform/atomic_file.h"
#include "platform/restore_points.h"
#include "presenter/comparison_model.h"
#include "quiet_device.h"
#include "session_image.h"
#include "simulator_process.h"
#include "temp_dir.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

using presenter::ComparedWith;
using presenter::ComparisonChoice;
using tz::testing::waitFor;

// Runs `answer` on the next modal dialog as soon as it is shown.
void whenModal(std::function<void(QWidget&)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
}

template <typename W>
W& child(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr) throw std::runtime_error(std::string("no child ") + name);
    return *w;
}

// Two images that differ in the limiter, one map cell and a reserved byte.
struct Images {
    Image window = firstStartState().image;
    Image unit = [this] {
        Image u = window;
        u[field::LIMITER_RPM] = 125;
        u[advanceCell(3, 4)] = 33;
        u[240] = 77;
        return u;
    }();
};

class QtComparison : public ::testing::Test {
  protected:
    QMainWindow parent;
    QtComparisonDialogs dialogs{parent};
    Images images;
};

TEST_F(QtComparison, TheComparisonListsByPageAndMarksTheDifferingCells) {
    const presenter::ComparisonModel model = presenter::comparisonModel(
        images.window, images.unit, ComparedWith::Unit, texts::Language::English);
    ComparisonDialog dialog(model, &parent);

    auto& tree = child<QTreeWidget>(dialog, "differences");
    ASSERT_EQ(tree.topLevelItemCount(), 3);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "Inputs");
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), "Limiter");
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(1), "11000");
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(2), "12500");
    EXPECT_EQ(tree.headerItem()->text(2), "Unit");

    auto& map = child<QTableWidget>(dialog, "grid0");
    EXPECT_EQ(map.rowCount(), 11);
    EXPECT_EQ(map.columnCount(), 10);
    const QTableWidgetItem* marked = map.item(1 + 3, 4);
    EXPECT_EQ(marked->text(),
              QString::number(images.window[advanceCell(3, 4)]) + QStringLiteral(" → 33"));
    EXPECT_NE(marked->background(), map.item(1 + 3, 5)->background());
    EXPECT_EQ(map.verticalHeaderItem(0)->text(), "rpm");

    auto& tabs = child<QTabWidget>(dialog, "tabs");
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(1), "Advance Map (1)");
    EXPECT_EQ(tabs.tabText(2), "Servo");
}

TEST_F(QtComparison, EachButtonIsOneChoiceAndEscapeKeepsTheWindow) {
    const presenter::ComparisonModel model = presenter::comparisonModel(
        images.window, images.unit, ComparedWith::Unit, texts::Language::Czech);
    struct Case {
        const char* button;
        ComparisonChoice choice;
    };
    const Case cases[] = {{"takeOther", ComparisonChoice::TakeOther},
                          {"programUnit", ComparisonChoice::ProgramUnit},
                          {"keepWindow", ComparisonChoice::KeepWindow},
                          {nullptr, ComparisonChoice::KeepWindow}};
    for (const Case& c : cases) {
        whenModal([&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Porovnat se zapalováním");
            if (c.button != nullptr)
                child<QPushButton>(dialog, c.button).click();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.showComparison(model), c.choice) << (c.button ? c.button : "Escape");
    }
}

TEST_F(QtComparison, WithoutDifferencesOnlyClose) {
    const presenter::ComparisonModel model = presenter::comparisonModel(
        images.window, images.window, ComparedWith::File, texts::Language::French, "a.ign");
    ComparisonDialog dialog(model, &parent);
    EXPECT_EQ(dialog.findChild<QTreeWidget*>("differences"), nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>("takeOther"), nullptr);
    EXPECT_EQ(child<QPushButton>(dialog, "close").text(), "&Fermer");
    EXPECT_EQ(child<QLabel>(dialog, "summary").text(),
              "La fenêtre et le fichier contiennent les mêmes réglages.");
}

TEST_F(QtComparison, ARestorePointIsChosenByButtonOrDoubleClick) {
    std::vector<RestorePoint> points(2);
    points[0] = {{2026, 12, 10, 4, 30, 0}, 1, RestoreOperation::Program, "TZA05", "/a"};
    points[1] = {{2026, 12, 9, 22, 1, 2}, 1, RestoreOperation::BeforeProgram, "TZA05", "/b"};
    const presenter::RestorePointListModel model =
        presenter::restorePointListModel(points, {true, false}, "/points", texts::Language::German);

    whenModal([](QWidget& dialog) {
        auto& table = child<QTableWidget>(dialog, "points");
        EXPECT_EQ(table.item(1, 1)->text(), "Vor dem Programmieren");
        EXPECT_EQ(table.item(0, 3)->text(), "ja");
        // Tab leaves the table for the buttons.
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), &child<QPushButton>(dialog, "open"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), &child<QPushButton>(dialog, "close"));
        child<QPushButton>(dialog, "open").click();
    });
    EXPECT_EQ(dialogs.chooseRestorePoint(model), std::size_t{0});

    whenModal([](QWidget& dialog) {
        auto& table = child<QTableWidget>(dialog, "points");
        table.selectRow(1);
        emit table.cellDoubleClicked(1, 0);
    });
    EXPECT_EQ(dialogs.chooseRestorePoint(model), std::size_t{1});

    whenModal([](QWidget& dialog) { child<QPushButton>(dialog, "close").click(); });
    EXPECT_EQ(dialogs.chooseRestorePoint(model), std::nullopt);

    whenModal([](QWidget& dialog) {
        EXPECT_FALSE(child<QPushButton>(dialog, "open").isEnabled());
        EXPECT_TRUE(child<QLabel>(dialog, "empty").isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.chooseRestorePoint(
                  presenter::restorePointListModel({}, {}, "/points", texts::Language::English)),
              std::nullopt);
}

// Pictures of both dialogs in every language, as the manuals show them;
// written into TZ_SCREENSHOT_DIR when it is set (scripts/screenshots.sh).
TEST_F(QtComparison, PicturesOfTheDialogs) {
    ParamState window = firstStartState();
    ApplyEditorRules(window.image);
    window.normalise();
    Image unit = window.image;
    unit[field::LIMITER_RPM] = 125;
    unit[field::BASE_ADV] = 12;
    unit[advanceCell(9, 3)] = 22;
    unit[advanceCell(9, 4)] = 27;
    unit[advanceCell(8, 4)] = 26;
    unit[field::SERVO_MV + 5] = 180;
    unit[240] = 77;
    std::vector<RestorePoint> points(4);
    points[0] = {{2026, 12, 10, 16, 42, 7}, 1, RestoreOperation::Program, "TZA05", "/a"};
    points[1] = {{2026, 12, 10, 16, 41, 58}, 1, RestoreOperation::BeforeProgram, "TZA05", "/b"};
    points[2] = {{2026, 12, 10, 15, 2, 24}, 1, RestoreOperation::Read, "TZA05", "/c"};
    points[3] = {{2026, 12, 9, 9, 12, 0}, 1, RestoreOperation::Read, "ABC12", "/d"};
    const char* directory = std::getenv("TZ_SCREENSHOT_DIR");
    const auto save = [directory](QWidget& dialog, const QString& name) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QPixmap picture = dialog.grab();
        EXPECT_FALSE(picture.isNull());
        if (directory) {
            EXPECT_TRUE(picture.save(QString::fromUtf8(directory) + QStringLiteral("/") + name));
        }
    };
    const char* suffixes[] = {"en", "de", "fr", "cz"};
    for (texts::Language language : texts::kAllLanguages) {
        const QString suffix = QString::fromLatin1(suffixes[texts::languageIndex(language)]);
        ComparisonDialog compare(
            presenter::comparisonModel(window.image, unit, ComparedWith::Unit, language), &parent);
        child<QTabWidget>(compare, "tabs").setCurrentIndex(1);
        compare.resize(720, 420);
        compare.show();
        save(compare, QStringLiteral("compare_%1.png").arg(suffix));
        RestorePointDialog list(presenter::restorePointListModel(
                                    points, {true, false, false, false},
                                    "/home/rider/.local/share/tz_arko5/restore-points", language),
                                &parent);
        list.resize(620, 230);
        list.show();
        save(list, QStringLiteral("restore_points_%1.png").arg(suffix));
    }
}

// The real window: a verify that fails leads to the difference report, and
// a restore point of the read opens back into the window.
class WindowComparison : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", dir.file("unit").c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    ApplicationPaths paths() const {
        ApplicationPaths p{dir.file("TZ_ARKO5_v91.ini"),
                           dir.file("_TZ_ARKO5_v91.ini"),
                           dir.file("test_kodrum.txt"),
                           dir.path(),
                           {dir.path()}};
        p.restorePoints = dir.file("restore-points");
        return p;
    }

    tz::testing::TempDir dir;
};

TEST_F(WindowComparison, TheMenuItemsKeepTheirAccessKeysInEveryLanguage) {
    tz::testing::QuietDevice device;
    ::setenv("TZ_ARKO5_PORTS", device.path().c_str(), 1);
    Application program(paths(), {});
    const ui::ControlModel& model = program.logic().controls();
    for (const char* language : {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"}) {
        program.binding().action(model.id(ui::ControlName{language}))->trigger();
        // An item whose letter another entry of its menu marks loses its key.
        for (const char* item :
             {"MenuCompareFile", "MenuRestorePoints", "MenuCompareUnit", "MenuBackup"}) {
            const QString text = program.binding().action(model.id(ui::ControlName{item}))->text();
            EXPECT_TRUE(text.contains('&')) << language << ": " << text.toStdString();
        }
    }
}

TEST_F(WindowComparison, AFailedVerifyLeadsToTheDifferencesAndARestorePointOpensBack) {
    ASSERT_TRUE(writeFileAtomically(dir.file("unit.ign"), "KORVANEX_KEY 91\nLIMITER 100 125 6\n"));
    tz::testing::Simulator unit(TZ_SIM_PATH, dir.file("unit"), {"--load", dir.file("unit.ign")});
    Application program(paths(), {});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    presenter::WindowPresenter& logic = program.logic();
    const ui::ControlModel& model = logic.controls();
    const auto action = [&](const char* name) {
        return program.binding().action(model.id(ui::ControlName{name}));
    };
    ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));

    bool asked = false, compared = false;
    whenModal([&](QWidget& question) {
        asked = true;
        auto& box = static_cast<QMessageBox&>(question);
        EXPECT_TRUE(box.text().startsWith("Verify error!")) << box.text().toStdString();
        whenModal([&](QWidget& dialog) {
            compared = true;
            auto& tree = child<QTreeWidget>(dialog, "differences");
            EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), "Limiter");
            EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(2), "12500");
            child<QPushButton>(dialog, "keepWindow").click();
        });
        box.button(QMessageBox::Yes)->click();
    });
    action("MenuVerify")->trigger();
    EXPECT_TRUE(waitFor([&] { return compared; }, 8000)) << "asked: " << asked;
    EXPECT_EQ(logic.session().image()[field::LIMITER_RPM], 110) << "the window keeps its own";

    action("MenuRead")->trigger();
    ASSERT_TRUE(waitFor(
        [&] { return RestorePoints(dir.file("restore-points")).list().size() == 1; }, 5000));
    const Image read = logic.session().image();
    EXPECT_EQ(read[field::LIMITER_RPM], 125);
    tz::testing::changeImage(logic.session(), [&](Image& im) { im[field::LIMITER_RPM] = 100; });
    logic.edits().commitImage();

    whenModal([](QWidget& dialog) {
        EXPECT_EQ(child<QTableWidget>(dialog, "points").item(0, 3)->text(), "no");
        child<QPushButton>(dialog, "open").click();
    });
    action("MenuRestorePoints")->trigger();
    EXPECT_EQ(logic.session().image(), read);
    program.window().close();
}

}  // namespace
}  // namespace tz::gui
