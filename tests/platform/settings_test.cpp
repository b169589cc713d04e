#include "platform/settings.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "platform/test_mode_marker.h"
#include "temp_dir.h"

namespace tz {
namespace {

// Keys as a settings file written by hand would hold them.
IniFile iniFrom(const std::string& text) {
    IniFile ini("");
    ini.parse(text);
    return ini;
}

const WindowPlacement kDesigned = centredPlacement(1920, 1080);

TEST(Settings, FirstRunTakesEveryDefault) {
    const ShellSettings s = LoadSettings(iniFrom(""), kDesigned, 2);
    EXPECT_EQ(s.placement.left, (1920 - 991) / 2);
    EXPECT_EQ(s.placement.top, (1080 - 812) / 2);
    EXPECT_EQ(s.placement.width, 991);
    EXPECT_EQ(s.placement.height, 812);
    EXPECT_EQ(s.portIndex, 0);
    EXPECT_EQ(s.searchIndex, 255);
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.fileName, "");
    EXPECT_EQ(s.lastFileName, "");
    EXPECT_EQ(s.activePage, 2);
    EXPECT_TRUE(s.backupBeforeProgram) << "a new installation backs up";
}

TEST(Settings, StoredValuesAndTheirByteRanges) {
    struct Case {
        const char* line;
        int port, search, language;
    };
    const Case cases[] = {
        {"ComPort=31", 30, 255, 0},  {"ComPort=0", 255, 255, 0},
        {"ComPort=257", 0, 255, 0},  {"ComPortAuto=5\nLanguage=3", 0, 4, 3},
        {"Language=7", 0, 255, 7},   {"Language=-1", 0, 255, 255},
        {"Language=two", 0, 255, 0}, {"language = 2 ", 0, 255, 2},
    };
    for (const Case& c : cases) {
        const ShellSettings s =
            LoadSettings(iniFrom(std::string("[BASIC]\n") + c.line), kDesigned, 0);
        EXPECT_EQ(s.portIndex, c.port) << c.line;
        EXPECT_EQ(s.searchIndex, c.search) << c.line;
        EXPECT_EQ(s.language, c.language) << c.line;
    }
}

TEST(Settings, SavedFileReadsBackAndKeepsTheKeySpelling) {
    testing::TempDir dir;
    const std::string path = dir.file("TZ_ARKO5_v91.ini");
    ShellSettings s;
    s.placement = {-40, 3000, 700, 1200};
    s.portIndex = 30;
    s.searchIndex = 4;
    s.language = 3;
    s.fileName = "/home/rider/tunes/my bike.ign";
    s.lastFileName = "/home/rider/tunes/my bike.ign";
    s.activePage = 4;
    s.backupBeforeProgram = true;
    {
        IniFile ini(path);
        ASSERT_TRUE(SaveSettings(ini, s));
    }
    EXPECT_EQ(readWholeFile(path),
              "[BASIC]\nLeft=-40\nTop=3000\nHeight=700\nWidth=1200\nComPort=31\nComPortAuto=5\n"
              "Language=3\nFile=/home/rider/tunes/my bike.ign\n"
              "IniDir=/home/rider/tunes/my bike.ign\nPageControl1->ActivePageIndex=4\n"
              "BackupBeforeProgram=1\n");
    const ShellSettings back = LoadSettings(IniFile(path), kDesigned, 0);
    EXPECT_EQ(back.placement.left, -40);
    EXPECT_EQ(back.placement.top, 3000);
    EXPECT_EQ(back.portIndex, 30);
    EXPECT_EQ(back.searchIndex, 4);
    EXPECT_EQ(back.language, 3);
    EXPECT_EQ(back.fileName, s.fileName);
    EXPECT_EQ(back.activePage, 4);
    EXPECT_TRUE(back.backupBeforeProgram);
}

TEST(Settings, TheBackupIsOnForANewInstallationAndAKeptChoiceStays) {
    struct Case {
        const char* before;   // the file's section before saving
        bool loaded;          // the backup as the file is read
        bool backup;          // as the user leaves it
        const char* written;  // the key's line
    };
    const Case cases[] = {
        {"", true, true, "BackupBeforeProgram=1\n"},
        {"", true, false, "BackupBeforeProgram=0\n"},
        {"ComPort=3\nBackupBeforeProgram=0\n", false, false, "BackupBeforeProgram=0\n"},
        {"BackupBeforeProgram=1\n", true, false, "BackupBeforeProgram=0\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = iniFrom(std::string("[BASIC]\n") + c.before);
        ShellSettings s = LoadSettings(ini, kDesigned, 0);
        EXPECT_EQ(s.backupBeforeProgram, c.loaded) << c.before;
        s.backupBeforeProgram = c.backup;
        SaveSettings(ini, s);
        const std::string text = ini.text();
        const std::size_t at = text.find("BackupBeforeProgram");
        EXPECT_EQ(at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at + 1),
                  c.written)
            << c.before;
        EXPECT_EQ(LoadSettings(ini, kDesigned, 0).backupBeforeProgram, c.backup);
    }
}

TEST(Settings, TheLargestAdvanceStepIsWrittenOnceItIsNotTheDefault) {
    struct Case {
        const char* before;
        int loaded;  // what the file gives
        int step;    // what is saved
        const char* written;
    };
    const Case cases[] = {
        {"", 10, 10, ""},
        {"", 10, 6, "MaxAdvanceStep=6\n"},
        {"MaxAdvanceStep=6\n", 6, 10, "MaxAdvanceStep=10\n"},
        {"MaxAdvanceStep=61\n", 10, 10, "MaxAdvanceStep=10\n"},
        {"MaxAdvanceStep=-1\n", 10, 0, "MaxAdvanceStep=0\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = iniFrom(std::string("[BASIC]\n") + c.before);
        ShellSettings s = LoadSettings(ini, kDesigned, 0);
        EXPECT_EQ(s.maxAdvanceStep, c.loaded) << c.before;
        s.maxAdvanceStep = c.step;
        SaveSettings(ini, s);
        const std::string text = ini.text();
        const std::size_t at = text.find("MaxAdvanceStep");
        EXPECT_EQ(at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at + 1),
                  c.written)
            << c.before;
    }
}

TEST(Settings, TheDesktopLookIsWrittenOnceItWasChosen) {
    struct Case {
        const char* before;
        bool loaded;   // what the file gives
        bool desktop;  // what is saved
        const char* written;
    };
    const Case cases[] = {
        {"", false, false, ""},
        {"", false, true, "DesktopLook=1\n"},
        {"DesktopLook=1\nOtherKey=x\n", true, false, "DesktopLook=0\n"},
        {"DesktopLook=junk\n", false, false, "DesktopLook=0\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = iniFrom(std::string("[BASIC]\n") + c.before);
        ShellSettings s = LoadSettings(ini, kDesigned, 0);
        EXPECT_EQ(s.desktopLook, c.loaded) << c.before;
        s.desktopLook = c.desktop;
        SaveSettings(ini, s);
        const std::string text = ini.text();
        const std::size_t at = text.find("DesktopLook");
        EXPECT_EQ(at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at + 1),
                  c.written)
            << c.before;
        EXPECT_EQ(text.find("OtherKey") != std::string::npos,
                  std::string(c.before).find("OtherKey") != std::string::npos);
    }
}

TEST(IniFile, KeepsOtherSectionsAndKeysAndIgnoresJunk) {
    IniFile ini = iniFrom(
        "garbage line\n; "
        "comment\n[Other]\nx=1\n[basic]\r\nComPort=7\r\nUnknown=yes\n[BASIC]\nFile=a=b\n");
    EXPECT_EQ(ini.readString("BASIC", "comport"), "7");
    EXPECT_EQ(ini.readString("BASIC", "File"), "a=b");
    ini.writeString("BASIC", "File", "two\nlines");
    EXPECT_EQ(ini.text(), "[Other]\nx=1\n\n[basic]\nComPort=7\nUnknown=yes\nFile=two lines\n");
}

TEST(IniFile, FailedFlushIsReported) {
    testing::TempDir dir;
    IniFile ini(dir.file("missing/settings.ini"));
    ini.writeString("BASIC", "Left", "1");
    EXPECT_FALSE(ini.flush());
}

TEST(TestModeMarker, OnlyTheExactWordUnlocks) {
    EXPECT_TRUE(markerTextUnlocksTestMode("hello\tDIAG_UNLOCK\nbye"));
    EXPECT_FALSE(markerTextUnlocksTestMode("diag_unlock DIAG_UNLOCKED XDIAG_UNLOCK"));
    EXPECT_FALSE(markerTextUnlocksTestMode(std::string(100000, 'D')));
    EXPECT_FALSE(markerTextUnlocksTestMode(""));

    testing::TempDir dir;
    EXPECT_FALSE(ReadTestModeMarker(dir.file("test_kodrum.txt")));
    ASSERT_TRUE(writeFileAtomically(dir.file("test_kodrum.txt"), "DIAG_UNLOCK\n"));
    EXPECT_TRUE(ReadTestModeMarker(dir.file("test_kodrum.txt")));
}

}  // namespace
}  // namespace tz
