#include "session/reports.h"

#include "params/image.h"
#include "texts/file_texts.h"

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

std::vector<std::string> openLines(const OpenResult& result, std::string_view path,
                                   const texts::MessageCatalogue& messages,
                                   texts::Language language) {
    using texts::FileText;
    std::vector<std::string> lines;
    for (IgnNotice notice : result.notices) lines.push_back(messages[noticeMessage(notice)]);
    for (const IgnValueFault& fault : result.valueFaults)
        lines.push_back(texts::fileText(FileText::ValueNotANumber, language,
                                        {path, std::to_string(fault.line), fault.key, fault.word}));
    if (result.status == OpenStatus::NoVersionKey)
        lines.push_back(texts::fileText(result.empty ? FileText::EmptyFile : FileText::NoVersionKey,
                                        language, {path}));
    return lines;
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
