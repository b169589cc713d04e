// Printing the real window into PDF files, under the offscreen platform.
#include <gtest/gtest.h>
#include <QMainWindow>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "gui/application.h"
#include "gui/print_service.h"
#include "platform/atomic_file.h"
#include "quiet_device.h"
#include "temp_dir.h"

namespace tz::gui {
namespace {

class WindowPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("TZ_ARKO5_PORTS", device.path().c_str(), 1);
        ::setenv("TZ_ARKO5_PRINT_TO", dir.file("print.pdf").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TZ_ARKO5_PORTS");
        ::unsetenv("TZ_ARKO5_PRINT_TO");
    }
    ApplicationPaths paths() const {
        return {dir.file("s.ini"), dir.file("_s.ini"), dir.file("m.txt"), dir.path(), {dir.path()}};
    }

    tz::testing::TempDir dir;
    tz::testing::QuietDevice device;
};

bool isPdf(const std::string& path) {
    const std::string text = readWholeFile(path).value_or("");
    return text.starts_with("%PDF-") && text.size() > 1000;
}

TEST_F(WindowPrint, PrintPageWithCtrlPWritesOnePdfAndRestoresTheWindow) {
    Application program(paths(), {});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    QTest::keyClick(&program.window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(isPdf(dir.file("print.pdf")));
    EXPECT_FALSE(program.logic().mode().printLayout);
    EXPECT_TRUE(program.logic().controls()["GroupBoxToolBar"].visible);
    EXPECT_TRUE(program.logic().messageLine().text().starts_with("Date and time of printing:  "));
    if (const char* pictures = std::getenv("TZ_SCREENSHOT_DIR"))
        std::filesystem::copy_file(dir.file("print.pdf"), std::string(pictures) + "/print.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
    program.window().close();
}

TEST_F(WindowPrint, PrintAllPagesWritesFourNumberedFiles) {
    Application program(paths(), {});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    program.logic().clicked(program.logic().controls().id(ui::ControlName{"MenuPrintAll"}));
    EXPECT_TRUE(isPdf(dir.file("print.pdf")));
    EXPECT_TRUE(isPdf(dir.file("print-2.pdf")));
    EXPECT_TRUE(isPdf(dir.file("print-3.pdf")));
    EXPECT_TRUE(isPdf(dir.file("print-4.pdf")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("print-5.pdf")));
    program.window().close();
}

TEST(PrintFiles, JobsAreNumberedAfterTheFirst) {
    EXPECT_EQ(QtPrinter::pdfPathForJob("/a/out.pdf", 1), "/a/out.pdf");
    EXPECT_EQ(QtPrinter::pdfPathForJob("/a/out.pdf", 3), "/a/out-3.pdf");
    EXPECT_EQ(QtPrinter::pdfPathForJob("/a/out", 2), "/a/out-2");
}

}  // namespace
}  // namespace tz::gui
