// The Qt services: dialogs, file filters, Qt's own translations, the host.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui/app_identity.h"
#include "gui/qt_services.h"
#include "gui_fixture.h"

namespace tz::gui::test {
namespace {

// Runs `answer` on the modal dialog as soon as one is shown.
void whenModal(std::function<void(QWidget&)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            answer(*dialog);
        }
    });
    poll->start(10);
}

TEST(QtFilters, DialogFiltersBecomeQtFilters) {
    struct Case {
        FileFilter filter;
        const char* expected;
    };
    const Case cases[] = {
        {{"Ignition Parametrs(*.ign)", "*.ign"}, "Ignition Parametrs (*.ign)"},
        {{"All Files (*.*)", "*.*"}, "All Files (*)"},
        {{"Pictures", "*.png;*.bmp"}, "Pictures (*.png *.bmp)"},
    };
    for (const Case& c : cases) EXPECT_EQ(toQtFilter(c.filter), c.expected) << c.expected;
}

class DialogsTest : public ::testing::Test {
  protected:
    QMainWindow parent;
    QtDialogs dialogs{parent};
};

TEST_F(DialogsTest, QuestionReturnsTheButtonPressed) {
    struct Case {
        QMessageBox::StandardButton button;
        Answer expected;
    };
    for (const Case c : {Case{QMessageBox::Yes, Answer::Yes}, Case{QMessageBox::No, Answer::No},
                         Case{QMessageBox::Cancel, Answer::Cancel}}) {
        whenModal([&](QWidget& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.text(), "Keep the changes?");
            box.button(c.button)->click();
        });
        EXPECT_EQ(dialogs.askYesNoCancel("Keep the changes?"), c.expected);
    }
    whenModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.askYesNoCancel("Escape?"), Answer::Cancel);
}

TEST_F(DialogsTest, MessageHasOnlyAnOkButton) {
    bool shown = false;
    whenModal([&](QWidget& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        shown = true;
        EXPECT_EQ(box.text(), "Open file error!");
        EXPECT_EQ(box.windowTitle(), "TZ_ARKO5");
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box.buttons().size(), 1);
        box.button(QMessageBox::Ok)->click();
    });
    dialogs.showMessage("Open file error!");
    EXPECT_TRUE(shown);
}

TEST(ApplicationIdentity, SetsNoDisplayNameThatQtWouldAppendToEveryTitle) {
    EXPECT_EQ(QCoreApplication::applicationName(), "TZ_ARKO5");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "tz_arko5");
    // A display name that was never set follows the application name; once
    // set, the platform adds " — NAME" to the window's and every box's title.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    applyApplicationIdentity();
}

FileDialogRequest ignRequest(const QString& fileName) {
    FileDialogRequest request;
    request.fileName = fileName.toStdString();
    request.filters = {{"Ignition Parametrs(*.ign)", "*.ign"}, {"All Files (*.*)", "*.*"}};
    request.defaultExtension = "ign";
    return request;
}

TEST_F(DialogsTest, SaveDialogAddsTheDefaultExtension) {
    QTemporaryDir dir;
    whenModal([&](QWidget& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        EXPECT_EQ(QDir(files.directory()), QDir(dir.path()));
        EXPECT_EQ(files.selectedNameFilter(), "Ignition Parametrs (*.ign)");
        files.findChild<QLineEdit*>("fileNameEdit")->setText("tuned");
        QMetaObject::invokeMethod(&files, "accept");
    });
    EXPECT_EQ(dialogs.saveFile(ignRequest(dir.filePath("data.ign"))),
              dir.filePath("tuned.ign").toStdString());
}

TEST_F(DialogsTest, OpenDialogStartsWithTheChosenFilterAndCanBeCancelled) {
    QTemporaryDir dir;
    FileDialogRequest request = ignRequest(dir.filePath(" "));
    request.filterIndex = 1;
    whenModal([](QWidget& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.selectedNameFilter(), "All Files (*)");
        files.reject();
    });
    EXPECT_EQ(dialogs.openFile(request), std::nullopt);
}

TEST(QtTranslations, ButtonsOfQtSpeakTheChosenLanguage) {
    const char* const cancel[] = {"Cancel", "Abbrechen", "Annuler", "Zrušit"};
    for (int language : {1, 2, 3, 0}) {
        SCOPED_TRACE(language);
        EXPECT_TRUE(applyQtTranslations(language));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(cancel[language]));
    }
    EXPECT_FALSE(applyQtTranslations(7));
}

TEST(QtHost, ReportsThePrimaryScreen) {
    QMainWindow window;
    QtWindowHost host(window);
    EXPECT_GT(host.screenWidth(), 0);
    EXPECT_GT(host.screenHeight(), 0);
}

}  // namespace
}  // namespace tz::gui::test
