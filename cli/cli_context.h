// What every subcommand of the command-line program gets: its arguments,
// the language of its texts and the streams to write to.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"
#include "texts/messages.h"

namespace tz::cli {

enum ExitCode { kSuccess = 0, kFailure = 1, kFileError = 2, kUsage = 64 };

struct Context {
    std::vector<std::string> args;  // after the subcommand and the options
    texts::Language language = texts::Language::English;
    texts::MessageCatalogue messages;
    std::ostream& out;
    std::ostream& err;
};

// "FLAG" among the words: taken out, true.
bool takeFlag(std::vector<std::string>& args, std::string_view flag);

int normalizeCommand(Context& context);
int imageCommand(Context& context);
int programCommand(Context& context);
int verifyCommand(Context& context);
int readCommand(Context& context);
int monitorCommand(Context& context);
int diffCommand(Context& context);
int restorePointsCommand(Context& context);
int mapCommand(Context& context);
int logCommand(Context& context);
int checkCommand(Context& context);
int wheelCommand(Context& context);

}  // namespace tz::cli
