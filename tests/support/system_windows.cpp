#include <windows.h>

#include <cstdlib>

#include "platform/wide_text.h"
#include "system.h"

namespace tz::testing {

void setEnvironment(const char* name, const char* value) {
    ::_wputenv_s(wideFromUtf8(name).c_str(), value ? wideFromUtf8(value).c_str() : L"");
}

int exitCodeOf(int systemStatus) {
    return systemStatus;
}

std::string timeLimitedCommand(const std::string& program) {
    return "\"" + program + "\"";
}

const char* const kDataHomeVariable = "LOCALAPPDATA";

// A save keeps its temporary file open for writing, sharing reading and
// renaming only.
RunningSaveHold::RunningSaveHold(const std::string& path) {
    const HANDLE file = ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

RunningSaveHold::~RunningSaveHold() {
    if (held()) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace tz::testing
