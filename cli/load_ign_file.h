// Reading a .ign file for a subcommand as the window's Open does.
#pragma once

#include <string>

#include "cli/cli_context.h"
#include "session/session.h"

namespace tz::cli {

// Opens a file in a session without a unit the way start-up followed by Open
// does: the first-start image, the file read over it, and a repair that
// remembers the axes of the first one. The reader's notices go to standard
// error. False when the file cannot be read (exitCode kFileError, "Open file
// error!") or has no usable version key (exitCode kFailure).
bool openIgnFile(Context& c, session::Session& s, const std::string& path, int& exitCode);
// The same, then what the window's editors show of it, repaired: the
// settings as the window holds them after Open.
bool openIgnFileAsShown(Context& c, session::Session& s, const std::string& path, int& exitCode);

}  // namespace tz::cli
