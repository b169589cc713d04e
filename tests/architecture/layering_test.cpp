// The layers of the program, kept by its includes: each folder of src/ (and
// the command-line program and the simulator) may include only the folders
// its layer stands on. The table below is the layering; a new include across
// it fails here until the table says the dependency is meant.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace tz {
namespace {

namespace fs = std::filesystem;

// Low pieces: the parameter image and its files, platform services and
// files, the control model, the drawing canvas, the texts. Above them the
// link, editing and graphs; above those the session; at the top the window's
// design and presenter. The command-line program and the simulated unit use
// the session or lower layers, never the window's.
const std::map<std::string, std::set<std::string>>& allowedIncludes() {
    static const std::map<std::string, std::set<std::string>> table = {
        {"src/params", {}},
        {"src/platform", {"params"}},
        {"src/controls", {}},
        {"src/canvas", {}},
        {"src/texts", {"params"}},
        {"src/print", {}},
        {"src/link", {"params"}},
        {"src/logs", {"params", "platform", "link"}},
        {"src/editing", {"params", "canvas"}},
        {"src/graphs", {"params", "canvas", "editing", "controls"}},
        {"src/session", {"params", "platform", "texts", "link", "logs", "editing"}},
        {"src/design", {"params", "controls"}},
        {"src/presenter",
         {"params", "platform", "controls", "canvas", "texts", "print", "link", "logs", "editing",
          "graphs", "session", "design"}},
        {"cli", {"params", "platform", "texts", "link", "logs", "editing", "session"}},
        {"sim", {"params", "link", "logs"}},
    };
    return table;
}

struct Include {
    std::string file;
    std::string folder;
};

// The project folders a source folder includes from, with the file that does.
std::vector<Include> projectIncludes(const fs::path& folder) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([a-z_]+)/)re");
    std::vector<Include> found;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        const std::string ext = e.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream in(e.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line))
            if (std::regex_search(line, m, include)) found.push_back({e.path().string(), m[1]});
    }
    return found;
}

TEST(Layering, EachFolderIncludesOnlyTheLayersBelowIt) {
    const fs::path root = TZ_PROJECT_SOURCE_DIR;
    for (const auto& [folder, allowed] : allowedIncludes()) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        const std::string self = fs::path(folder).filename().string();
        for (const Include& i : projectIncludes(root / folder)) {
            const bool ownFolder = i.folder == self;
            EXPECT_TRUE(ownFolder || allowed.count(i.folder) > 0)
                << i.file << " includes " << i.folder << "/, which " << folder << " may not use";
        }
    }
}

TEST(Layering, EveryFolderOfTheCoreHasItsPlaceInTheTable) {
    const fs::path root = TZ_PROJECT_SOURCE_DIR;
    for (const fs::directory_entry& e : fs::directory_iterator(root / "src")) {
        if (!e.is_directory()) continue;
        const std::string folder = "src/" + e.path().filename().string();
        EXPECT_TRUE(allowedIncludes().count(folder) > 0) << folder << " has no layer";
    }
}

TEST(Layering, TheCoreKnowsNoToolkit) {
    const fs::path root = TZ_PROJECT_SOURCE_DIR;
    static const std::regex qt(R"re(^\s*#\s*include\s*<Q)re");
    for (const std::string folder : {"src", "cli", "sim"}) {
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(root / folder)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path());
            std::string line;
            while (std::getline(in, line))
                EXPECT_FALSE(std::regex_search(line, qt)) << e.path() << ": " << line;
        }
    }
}

}  // namespace
}  // namespace tz
