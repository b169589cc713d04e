// Subcommands that work on .ign files alone: no unit, no window.
#include <iostream>
#include <optional>

#include "cli/cli_context.h"
#include "cli/load_ign_file.h"
#include "params/ign_reader.h"
#include "params/ign_writer.h"
#include "params/param_state.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "platform/build_info.h"

namespace tz::cli {

using texts::Msg;

std::optional<ParamState> loadIgnFile(Context& c, const std::string& path, int& exitCode) {
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        c.err << c.messages[Msg::MsgOpenFileError] << '\n';
        exitCode = kFileError;
        return std::nullopt;
    }
    ParamState state = firstStartState();
    const IgnReadResult result = ReadIgnFile(*text, state.image);
    for (IgnNotice notice : result.notices) {
        c.err << c.messages[notice == IgnNotice::OlderVersion ? Msg::MsgOlderIgnFile
                                                              : Msg::MsgIgnVersionMismatch]
              << '\n';
    }
    if (result.version == 0) {
        exitCode = kFailure;
        return std::nullopt;
    }
    state.normalise();
    exitCode = kSuccess;
    return state;
}

int normalizeCommand(Context& c) {
    if (c.args.size() != 2) {
        c.err << "usage: tz_arko5-cli normalize IN.ign OUT.ign\n";
        return kUsage;
    }
    int exitCode = kSuccess;
    const std::optional<ParamState> state = loadIgnFile(c, c.args[0], exitCode);
    if (!state) return exitCode;
    // Not connected: the unit's texts are empty.
    const IgnTrailer trailer{"", "", "", buildDateCompilerForm(), buildTimeText()};
    if (!writeFileAtomically(c.args[1], WriteIgnFile(state->image, trailer))) {
        c.err << c.messages[Msg::MsgOpenFileError] << '\n';
        return kFileError;
    }
    return kSuccess;
}

int imageCommand(Context& c) {
    if (c.args.size() != 1) {
        c.err << "usage: tz_arko5-cli image IN.ign\n";
        return kUsage;
    }
    int exitCode = kSuccess;
    const std::optional<ParamState> state = loadIgnFile(c, c.args[0], exitCode);
    if (!state) return exitCode;
    c.out << formatSavedImage(state->image);
    return kSuccess;
}

}  // namespace tz::cli
