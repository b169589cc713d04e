#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/config_paths.h"
#include "platform/utf8_path.h"
#include "platform/wide_text.h"

namespace tz {

namespace {

// The folder an environment variable names, when it is set and absolute.
std::optional<std::string> variableFolder(const wchar_t* variable) {
    const wchar_t* value = ::_wgetenv(variable);
    if (value == nullptr || !std::filesystem::path(value).is_absolute()) return std::nullopt;
    return utf8FromWide(value);
}

// The user's known folder, as other Windows programs find it.
std::string knownFolder(const KNOWNFOLDERID& folder) {
    PWSTR known = nullptr;
    std::string path = ".";
    if (::SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &known) == S_OK)
        path = utf8FromWide(known);
    ::CoTaskMemFree(known);
    return path;
}

// Whether path is a directory now: an existing one is kept as it is.
bool makeDirectory(const std::filesystem::path& path) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::string configDirectory() {
    const std::string base =
        variableFolder(L"APPDATA").value_or(knownFolder(FOLDERID_RoamingAppData));
    return joinPath(base, "tz_arko5");
}

// Restore points stay on this machine, as Windows programs keep their local
// application data.
std::string dataDirectory() {
    std::optional<std::string> base = variableFolder(L"LOCALAPPDATA");
    if (!base) base = variableFolder(L"APPDATA");
    return joinPath(base.value_or(knownFolder(FOLDERID_LocalAppData)), "tz_arko5");
}

std::optional<std::string> makeDirectories(const std::string& path) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : pathFromUtf8(path)) {
        made /= part;
        // The drive or share and its root are there or not, never made.
        if (made == made.root_name() || made == made.root_path()) continue;
        if (!makeDirectory(made)) return utf8FromPath(made);
    }
    return std::nullopt;
}

}  // namespace tz
