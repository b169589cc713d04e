// The simulator's command line.
#pragma once

#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace tz::sim {

// The options, or an error text in `error` (empty options then). Files
// named by --load, --script and --replay are read here.
SimOptions ParseOptions(const std::vector<std::string>& args, std::string& error);

// The usage text of --help.
const std::string& UsageText();

}  // namespace tz::sim
