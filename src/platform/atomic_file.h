// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tz {

// The file's bytes, or nothing when it cannot be opened or read. Reads at
// most maxBytes; settings files are small and a runaway file must not
// exhaust memory.
std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes = 16u << 20);

// Writes the content to a temporary file in the same directory, flushes it
// to the disk and renames it over path, so that path always holds either
// the old or the new content. False when any step fails; the old file is
// then untouched and the temporary file removed. Temporaries that earlier
// saves of path left behind are removed first (save_temporaries.h).
bool writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace tz
