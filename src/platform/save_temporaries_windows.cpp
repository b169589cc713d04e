#include <windows.h>

#include <vector>

#include "platform/save_temporaries.h"
#include "platform/save_temporary_names.h"
#include "platform/utf8_path.h"
#include "platform/wide_text.h"

namespace tz {

namespace {

std::vector<std::string> temporariesIn(const SplitPath& p) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE find = ::FindFirstFileW(wideFromUtf8(joinPath(p.directory, "*")).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = utf8FromWide(entry.cFileName);
        if (isSaveTemporaryOf(name, p.base)) names.push_back(name);
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
    return names;
}

// Removes one leftover: only a regular file (no folder, no link) that no
// running save holds open. Opening it without sharing fails while a save
// has it open; the file is then deleted through that handle, so that it is
// the file that was checked. Files of other users are kept out by their
// permissions.
bool removeLeftover(const std::string& path) {
    const HANDLE file =
        ::CreateFileW(wideFromUtf8(path).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    bool removed = false;
    if (::GetFileInformationByHandle(file, &info) &&
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0) {
        FILE_DISPOSITION_INFO disposition{TRUE};
        removed = ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                               sizeof disposition) != 0;
    }
    ::CloseHandle(file);
    return removed;
}

}  // namespace

std::size_t removeLeftoverTemporaries(const std::string& path) {
    const SplitPath p = splitPath(path);
    std::size_t removed = 0;
    for (const std::string& name : temporariesIn(p))
        removed += removeLeftover(joinPath(p.directory, name)) ? 1 : 0;
    return removed;
}

}  // namespace tz
