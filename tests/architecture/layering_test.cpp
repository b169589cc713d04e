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

#include "platform/utf8_path.h"
#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;

// Low pieces: the parameter image and its files, platform services and
// files, the control model, the drawing canvas, the texts. Above them the
// link, logs, editing, graphs and the plots of logs; above those the session; at the top the
// window's design and presenter. The command-line program and the simulated unit use the session or
// lower layers, never the window's.
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
        {"src/plots", {"params", "canvas", "link", "logs"}},
        {"src/session", {"params", "platform", "texts", "link", "logs", "editing"}},
        {"src/design", {"params", "controls"}},
        {"src/presenter",
         {"params", "platform", "controls", "canvas", "texts", "print", "link", "logs", "editing",
          "graphs", "plots", "session", "design"}},
        {"cli",
         {"params", "platform", "canvas", "texts", "link", "logs", "editing", "graphs", "plots",
          "session"}},
        {"sim", {"params", "platform", "link", "logs"}},
    };
    return table;
}

// The project folder a file belongs to: "link" for src/link/..., "cli" for
// cli/...; empty outside the project.
std::string projectFolderOf(const fs::path& root, const fs::path& file) {
    const fs::path relative = file.lexically_normal().lexically_relative(root);
    auto part = relative.begin();
    if (relative.empty() || part == relative.end() || *part == "..") return {};
    if (*part != "src") return part->string();
    return ++part == relative.end() ? std::string() : part->string();
}

// The project folder an include line reaches, found as the compiler finds
// it: a quoted name first next to the including file, then (also in angle
// brackets) under src/ and the project root. Empty for a system header or a
// file the build makes.
std::string includedFolder(const fs::path& root, const fs::path& includingFile,
                           const std::string& line) {
    static const std::regex include(R"re(^\s*#\s*include\s*([<"])([^>"]+)[>"])re");
    std::smatch m;
    if (!std::regex_search(line, m, include)) return {};
    const fs::path name = m[2].str();
    std::vector<fs::path> candidates;
    if (m[1] == "\"") candidates.push_back(includingFile.parent_path() / name);
    candidates.push_back(root / "src" / name);
    candidates.push_back(root / name);
    for (const fs::path& candidate : candidates)
        if (fs::is_regular_file(candidate)) return projectFolderOf(root, candidate);
    return {};
}

struct Include {
    std::string file;
    std::string folder;
};

// The project folders a source folder includes from, with the file that does.
std::vector<Include> projectIncludes(const fs::path& root, const fs::path& folder) {
    std::vector<Include> found;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        const std::string ext = e.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream in(e.path());
        std::string line;
        while (std::getline(in, line))
            if (std::string included = includedFolder(root, e.path(), line); !included.empty())
                found.push_back({e.path().string(), included});
    }
    return found;
}

// Every spelling of an include reaches the folder it names: quotes or angle
// brackets, and paths relative to the including file.
TEST(Layering, IncludesAreFollowedToTheFolderTheyReach) {
    testing::TempDir dir;
    const fs::path root = pathFromUtf8(dir.path());
    for (const char* file : {"src/params/image.h", "src/params/detail/bits.h",
                             "src/presenter/window.h", "cli/cli_context.h"}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "";
    }
    const fs::path params = root / "src/params/ign_file.cpp";
    const fs::path nested = root / "src/params/detail/bits.cpp";
    const struct {
        fs::path from;
        std::string line;
        std::string folder;
    } cases[] = {
        {params, R"(#include "presenter/window.h")", "presenter"},
        {params, "#include <presenter/window.h>", "presenter"},
        {params, R"(#include "../presenter/window.h")", "presenter"},
        {params, R"(#  include   "../../cli/cli_context.h")", "cli"},
        {nested, R"(#include "../../presenter/window.h")", "presenter"},
        {params, R"(#include "image.h")", "params"},
        {nested, R"(#include "../image.h")", "params"},
        {params, "#include <cli/cli_context.h>", "cli"},
        {params, "#include <string>", ""},
        {params, R"(#include "build_version_values.h")", ""},
        {params, "// #include not an include", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(includedFolder(root, c.from, c.line), c.folder) << c.from << ": " << c.line;
}

TEST(Layering, EachFolderIncludesOnlyTheLayersBelowIt) {
    const fs::path root = TZ_PROJECT_SOURCE_DIR;
    for (const auto& [folder, allowed] : allowedIncludes()) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        const std::string self = fs::path(folder).filename().string();
        for (const Include& i : projectIncludes(root, root / folder)) {
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
