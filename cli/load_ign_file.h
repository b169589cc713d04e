// Reading a .ign file for a subcommand as the window's Open does.
#pragma once

#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "params/param_state.h"

namespace tz::cli {

// Loads a file the way start-up followed by Open does: the first-start
// image, the file read over it, and a normalisation that remembers the
// axes of the first one. The reader's notices go to standard error. Nothing
// when the file cannot be read (exitCode kFileError, "Open file error!") or
// has no usable version key (exitCode kFailure).
std::optional<ParamState> loadIgnFile(Context& c, const std::string& path, int& exitCode);

}  // namespace tz::cli
