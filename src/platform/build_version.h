// The product's version and the commit it was built from, as the programs
// print them for --version.
#pragma once

#include <string>
#include <string_view>

namespace tz {

// "1.0.0".
std::string_view programVersion();
// The commit the program was built from, empty when the sources were not a
// git work tree.
std::string_view buildCommit();
// One line: "tz_arko5-cli 1.0.0 (commit a254b9e)", without the parenthesis
// when the commit is not known.
std::string versionLine(std::string_view program);

}  // namespace tz
