#include "session/reports.h"

#include "params/image.h"

namespace tz::session {

using texts::Msg;

ReportText reportText(link::Report report) {
    switch (report) {
        case link::Report::ProgramStarted:
            return {Msg::MsgProgramDevice, "", false};
        case link::Report::VerifyStarted:
            return {Msg::MsgVerifyProgress, "", false};
        case link::Report::ReadStarted:
            return {Msg::MsgReadProgress, "", false};
        case link::Report::Verifying:
            return {Msg::MsgVerifyProgress, ":", false};
        case link::Report::VerifyOk:
            return {Msg::MsgVerifyProgress, ": OK", false};
        case link::Report::ReadOk:
            return {Msg::MsgReadProgress, ": OK", false};
        case link::Report::ProgramFailed:
            return {Msg::MsgProgramError, "", true};
        case link::Report::VerifyFailed:
            return {Msg::MsgVerifyError, "", true};
        case link::Report::ReadFailed:
            return {Msg::MsgReadError, "", true};
        case link::Report::Saving:
            break;
    }
    return {Msg::MsgSaving, "", false};
}

std::string reportLine(link::Report report, const texts::MessageCatalogue& messages) {
    const ReportText t = reportText(report);
    return messages[t.message] + t.ending;
}

std::string programmingDoneLine(const texts::MessageCatalogue& messages) {
    return messages[Msg::MsgProgramDevice] + ": OK";
}

texts::Msg noticeMessage(IgnNotice notice) {
    return notice == IgnNotice::OlderVersion ? Msg::MsgOlderIgnFile : Msg::MsgIgnVersionMismatch;
}

std::string versionMismatchLine(const texts::MessageCatalogue& messages, int unitVersion) {
    return messages[Msg::MsgVersionMismatch] + "  PC-" + std::to_string(kProtocolVersion) +
           ", IGN-" + std::to_string(unitVersion);
}

std::string pasteRefusedLine(const editing::CellTextError& error, texts::Language language) {
    using Kind = editing::CellTextError::Kind;
    const texts::PasteFault fault = error.kind == Kind::NotANumber ? texts::PasteFault::NotANumber
                                    : error.kind == Kind::Grouping ? texts::PasteFault::Grouping
                                    : error.kind == Kind::TooLarge ? texts::PasteFault::TooLarge
                                                                   : texts::PasteFault::NoValues;
    return texts::pasteRefusedLine(fault, error.row + 1, error.column + 1, language);
}

}  // namespace tz::session
