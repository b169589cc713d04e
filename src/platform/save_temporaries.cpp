#include "platform/save_temporaries.h"

#include "platform/save_temporary_names.h"
#include "platform/utf8_path.h"

namespace tz {

namespace {

// The characters put in place of the X.
bool isRandomCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

SplitPath splitPath(const std::string& path) {
    const std::filesystem::path p = pathFromUtf8(path);
    const std::filesystem::path directory = p.parent_path();
    return {directory.empty() ? std::string(".") : utf8FromPath(directory),
            utf8FromPath(p.filename())};
}

std::string saveTemporaryTemplate(const std::string& path) {
    const SplitPath p = splitPath(path);
    return joinPath(p.directory,
                    "." + p.base + std::string(kSaveMarker) + std::string(kSaveRandomLength, 'X'));
}

bool isSaveTemporaryOf(std::string_view entry, std::string_view base) {
    if (base.empty() || entry.size() != 1 + base.size() + kSaveMarker.size() + kSaveRandomLength ||
        entry.front() != '.')
        return false;
    entry.remove_prefix(1);
    if (!entry.starts_with(base)) return false;
    entry.remove_prefix(base.size());
    if (!entry.starts_with(kSaveMarker)) return false;
    entry.remove_prefix(kSaveMarker.size());
    for (const char c : entry)
        if (!isRandomCharacter(c)) return false;
    return true;
}

}  // namespace tz
