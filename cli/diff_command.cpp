// diff: the settings of two .ign files compared value by value.
#include <optional>
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
    std::optional<ParamState> sides[2];
    for (int i = 0; i < 2; ++i) {
        int exitCode = kSuccess;
        sides[i] = loadIgnFile(c, files[static_cast<std::size_t>(i)], exitCode);
        // A file without a usable version key holds no settings to compare.
        if (!sides[i]) return kFileError;
    }
    const std::vector<ImageDifference> differences = DiffImages(sides[0]->image, sides[1]->image);
    writeDifferences(c.out, differences, c.language, sides[0]->image, format);
    return differences.empty() ? kSuccess : kFailure;
}

}  // namespace tz::cli
