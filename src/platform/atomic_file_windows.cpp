#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/atomic_file.h"
#include "platform/save_temporaries.h"
#include "platform/wide_text.h"

namespace tz {

namespace {

constexpr std::string_view kRandomCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The template's X replaced by random letters and digits.
std::string fillTemplate(std::string name) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kRandomCharacters.size() - 1);
    for (auto it = name.rbegin(); it != name.rend() && *it == 'X'; ++it)
        *it = kRandomCharacters[pick(random)];
    return name;
}

// A new temporary file for a save of path, open for writing, its name in
// `name`. The handle shares no more than renaming and reading: while it is
// open, no clean-up (save_temporaries.h) can take the file.
HANDLE createTemporary(const std::string& path, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = fillTemplate(saveTemporaryTemplate(path));
        const HANDLE file = ::CreateFileW(wideFromUtf8(name).c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes) {
    const HANDLE file =
        ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[65536];
    bool ok = true;
    while (content.size() < maxBytes) {
        DWORD n = 0;
        const DWORD want =
            static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, maxBytes - content.size()));
        if (!::ReadFile(file, buffer, want, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) break;
        content.append(buffer, n);
    }
    ::CloseHandle(file);
    if (!ok) return std::nullopt;
    return content;
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    removeLeftoverTemporaries(path);
    std::string temp;
    const HANDLE file = createTemporary(path, temp);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::wstring wideTemp = wideFromUtf8(temp);
    // The handle stays open until the file is in place, so that no
    // clean-up takes the temporary meanwhile. ReplaceFileW refuses a file
    // that is still open; the rename replaces the old file in one step and
    // returns once that is on the disk.
    bool ok = writeAll(file, content) && ::FlushFileBuffers(file) &&
              ::MoveFileExW(wideTemp.c_str(), wideFromUtf8(path).c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    ::CloseHandle(file);
    if (!ok) ::DeleteFileW(wideTemp.c_str());
    return ok;
}

}  // namespace tz
