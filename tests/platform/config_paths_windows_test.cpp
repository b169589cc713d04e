// Where the program keeps its files on Windows: the user's application
// data folders, as the environment names them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/config_paths.h"
#include "platform/restore_points.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace tz {
namespace {

using testing::ScopedEnv;

TEST(WindowsFolders, SettingsRoamAndRestorePointsStayLocal) {
    struct Case {
        const char* appData;
        const char* localAppData;
        std::string settings;
        std::string restorePoints;
    };
    const Case cases[] = {
        {"C:\\Users\\Jiří\\AppData\\Roaming", "C:\\Users\\Jiří\\AppData\\Local",
         "C:\\Users\\Jiří\\AppData\\Roaming\\tz_arko5\\TZ_ARKO5_v91.ini",
         "C:\\Users\\Jiří\\AppData\\Local\\tz_arko5\\restore-points"},
        {"D:\\Roaming", nullptr, "D:\\Roaming\\tz_arko5\\TZ_ARKO5_v91.ini",
         "D:\\Roaming\\tz_arko5\\restore-points"},
        {"D:\\Roaming", "relative", "D:\\Roaming\\tz_arko5\\TZ_ARKO5_v91.ini",
         "D:\\Roaming\\tz_arko5\\restore-points"},
    };
    for (const Case& c : cases) {
        const ScopedEnv appData("APPDATA", c.appData);
        const ScopedEnv localAppData("LOCALAPPDATA", c.localAppData);
        EXPECT_EQ(settingsFilePath(), c.settings) << c.appData;
        EXPECT_EQ(restorePointDirectory(), c.restorePoints) << c.appData;
    }
}

TEST(WindowsFolders, WithoutTheVariablesTheUsersKnownFoldersServe) {
    const ScopedEnv appData("APPDATA", nullptr);
    const ScopedEnv localAppData("LOCALAPPDATA", nullptr);
    const std::filesystem::path config = configDirectory();
    EXPECT_TRUE(config.is_absolute()) << config;
    EXPECT_TRUE(configDirectory().ends_with("\\tz_arko5")) << config;
    EXPECT_TRUE(restorePointDirectory().ends_with("\\tz_arko5\\restore-points"));
}

TEST(EnsureConfigDirectory, MakesAMissingApplicationDataFolder) {
    testing::TempDir dir;
    const ScopedEnv appData("APPDATA", dir.file("new\\Roaming").c_str());
    EXPECT_EQ(ensureConfigDirectory(), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(pathFromUtf8(dir.file("new\\Roaming\\tz_arko5"))));
}

}  // namespace
}  // namespace tz
