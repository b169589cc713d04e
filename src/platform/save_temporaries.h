// The temporary files of crash-safe saves: how they are named, and the
// removal of those that a save cut short (killed, power lost) left behind.
//
// A save of "dir/data.ign" writes "dir/.data.ign.tz_arko5-save-XXXXXX" (six
// random letters or digits) and renames it over the file. The name is the
// program's own, so that no file of the user's ("data.ign.backup") is ever
// taken for a leftover. A save holds an advisory lock on its temporary file
// while it runs; a locked temporary belongs to a save in progress (another
// instance of the program) and is left alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tz {

// The mkstemp() template of a save of path.
std::string saveTemporaryTemplate(const std::string& path);

// Whether a directory entry's name is that of a save temporary of the file
// named `base` (no directory part).
bool isSaveTemporaryOf(std::string_view entry, std::string_view base);

// Removes the leftover save temporaries of path from its directory: regular
// files of this user, named as above and not locked by a running save.
// Returns how many were removed.
std::size_t removeLeftoverTemporaries(const std::string& path);

}  // namespace tz
