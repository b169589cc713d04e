// diff: the settings of two .ign files compared value by value.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/difference_output.h"
#include "cli/load_ign_file.h"
#include "params/image_diff.h"

namespace tz::cli {

int diffCommand(Context& c) {
    DifferenceFormat format = DifferenceFormat::Lines;
    std::vector<std::string> files;
    bool unknownOption = false;
    for (const std::string& arg : c.args) {
        if (arg == "--json")
            format = DifferenceFormat::Json;
        else if (arg.starts_with("--"))
            unknownOption = true;
        else
            files.push_back(arg);
    }
    if (unknownOption || files.size() != 2) {
        c.err << "usage: tz_arko5-cli diff A.ign B.ign [--json]\n";
        return kUsage;
    }
    session::Session a({});
    session::Session b({});
    for (auto [side, file] : {std::pair{&a, files[0]}, std::pair{&b, files[1]}}) {
        int exitCode = kSuccess;
        // A file without a usable version key holds no settings to compare.
        if (!openIgnFile(c, *side, file, exitCode)) return kFileError;
    }
    const std::vector<ImageDifference> differences = DiffImages(a.image(), b.image());
    writeDifferences(c.out, differences, c.language, a.image(), format);
    return differences.empty() ? kSuccess : kFailure;
}

}  // namespace tz::cli
