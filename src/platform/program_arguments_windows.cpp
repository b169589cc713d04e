#include <windows.h>
// after windows.h, which it needs
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/program_arguments.h"
#include "platform/wide_text.h"

namespace tz {

ProgramArguments::ProgramArguments(int argc, char** argv) {
    int count = 0;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments_.push_back(utf8FromWide(wide[i]));
        ::LocalFree(wide);
    } else {
        arguments_.assign(argv, argv + argc);
    }
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
    for (std::FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

}  // namespace tz
