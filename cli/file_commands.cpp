// Subcommands that work on .ign files alone: no unit, no window.
#include <iostream>

#include "cli/cli_context.h"
#include "cli/load_ign_file.h"
#include "params/saved_image.h"
#include "session/reports.h"
#include "session/session.h"
#include "texts/file_texts.h"

namespace tz::cli {

using texts::Msg;

bool openIgnFile(Context& c, session::Session& s, const std::string& path, int& exitCode,
                 LostValues lost) {
    s.normalise();
    const session::OpenResult result = s.open(path);
    if (result.status == session::OpenStatus::CannotRead) {
        c.err << c.messages[Msg::MsgOpenFileError] << '\n';
        exitCode = kFileError;
        return false;
    }
    for (const std::string& line : session::openLines(result, path, c.messages, c.language))
        c.err << line << '\n';
    if (result.status != session::OpenStatus::Opened) {
        exitCode = kFailure;
        return false;
    }
    if (lost == LostValues::Refuse && !result.valueFaults.empty()) {
        c.err << texts::fileText(texts::FileText::LostValuesRefused, c.language) << '\n';
        exitCode = kFailure;
        return false;
    }
    s.normalise();
    exitCode = kSuccess;
    return true;
}

bool openIgnFileAsShown(Context& c, session::Session& s, const std::string& path, int& exitCode,
                        LostValues lost) {
    if (!openIgnFile(c, s, path, exitCode, lost)) return false;
    s.repair();
    return true;
}

int normalizeCommand(Context& c) {
    const bool accept = takeFlag(c.args, "--accept-defaults");
    if (c.args.size() != 2) {
        c.err << "usage: tz_arko5-cli normalize [--accept-defaults] IN.ign OUT.ign\n";
        return kUsage;
    }
    session::Session s({});
    int exitCode = kSuccess;
    if (!openIgnFile(c, s, c.args[0], exitCode, accept ? LostValues::Accept : LostValues::Refuse))
        return exitCode;
    // Not connected: the unit's texts in the trailer are empty.
    if (!s.save(c.args[1])) {
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
    session::Session s({});
    int exitCode = kSuccess;
    if (!openIgnFile(c, s, c.args[0], exitCode)) return exitCode;
    c.out << formatSavedImage(s.image());
    return kSuccess;
}

}  // namespace tz::cli
