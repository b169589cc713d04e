// Reading a .ign file for a subcommand as the window's Open does.
#pragma once

#include <string>

#include "cli/cli_context.h"
#include "session/session.h"

namespace tz::cli {

// What a command that writes a file does with one whose values were not all
// read (a word where a number belongs): it writes nothing unless told to
// take the first-start values in their place.
enum class LostValues { Accept, Refuse };

// Opens a file in a session without a unit the way start-up followed by Open
// does: the first-start image, the file read over it, and a repair that
// remembers the axes of the first one. The reader's notices, the values it
// could not read and why a file was not taken go to standard error. False
// when the file cannot be read (exitCode kFileError, "Open file error!"),
// has no usable version key, or lost values that are refused (exitCode
// kFailure).
bool openIgnFile(Context& c, session::Session& s, const std::string& path, int& exitCode,
                 LostValues lost = LostValues::Accept);
// The same, then what the window's editors show of it, repaired: the
// settings as the window holds them after Open.
bool openIgnFileAsShown(Context& c, session::Session& s, const std::string& path, int& exitCode,
                        LostValues lost = LostValues::Accept);

}  // namespace tz::cli
