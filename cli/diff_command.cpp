// diff: the settings of two .ign files, or of the unit and a .ign file,
// compared value by value.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/difference_output.h"
#include "cli/load_ign_file.h"
#include "cli/unit_session.h"
#include "params/image_diff.h"

namespace tz::cli {

namespace {

constexpr const char* kUsageText =
    "usage: tz_arko5-cli diff A.ign B.ign [--json]\n"
    "       tz_arko5-cli diff --port DEV FILE.ign [--json]\n";

// The unit's pages as it holds them, read without storing anything and not
// repaired; nothing when the unit could not be read or its port is in use by
// another program (the reason went to standard error).
std::optional<Image> readUnit(Context& c, const std::string& device) {
    UnitSession unit(c, device, false);
    if (unit.portBusy()) return std::nullopt;
    if (std::optional<std::string> failure = unit.readForComparison()) {
        if (!failure->empty()) c.err << *failure << '\n';
        return std::nullopt;
    }
    return unit.session().unitPages();
}

}  // namespace

int diffCommand(Context& c) {
    DifferenceFormat format = DifferenceFormat::Lines;
    std::vector<std::string> files;
    std::optional<std::string> port;
    bool badOption = false;
    for (std::size_t i = 0; i < c.args.size(); ++i) {
        const std::string& arg = c.args[i];
        if (arg == "--json")
            format = DifferenceFormat::Json;
        else if (arg == "--port" && i + 1 < c.args.size() && !port)
            port = c.args[++i];
        else if (arg.starts_with("--"))
            badOption = true;
        else
            files.push_back(arg);
    }
    if (badOption || files.size() != (port ? 1u : 2u)) {
        c.err << kUsageText;
        return kUsage;
    }
    // A file without a usable version key holds no settings to compare.
    int exitCode = kSuccess;
    session::Session file({});
    if (!openIgnFile(c, file, files.back(), exitCode)) return kFileError;

    Image a{};
    if (port) {
        // A is the unit, B the file: the lines say what programming the file
        // would change. Map cells are named by the file's RPM axis.
        const std::optional<Image> unit = readUnit(c, *port);
        if (!unit) return kFileError;
        a = *unit;
        // The file as programming would send it: the same repair.
        file.repair();
    } else {
        session::Session first({});
        if (!openIgnFile(c, first, files.front(), exitCode)) return kFileError;
        a = first.image();
    }
    const std::vector<ImageDifference> differences = DiffImages(a, file.image());
    writeDifferences(c.out, differences, c.language, port ? file.image() : a, format);
    return differences.empty() ? kSuccess : kFailure;
}

}  // namespace tz::cli
