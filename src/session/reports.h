// The catalogue texts of what the session reports: a transfer's progress and
// result, and the notices of an opened file. The window shows them on its
// message line and in boxes, the command-line program prints them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editing/cell_block_text.h"
#include "link/link_events.h"
#include "params/ign_reader.h"
#include "session/session.h"
#include "texts/messages.h"
#include "texts/table_texts.h"

namespace tz::session {

struct ReportText {
    texts::Msg message;
    const char* ending;  // after the catalogue text
    bool error;
};

ReportText reportText(link::Report report);
// The report's text in the catalogue's language.
std::string reportLine(link::Report report, const texts::MessageCatalogue& messages);
// The finished programming run's text.
std::string programmingDoneLine(const texts::MessageCatalogue& messages);

texts::Msg noticeMessage(IgnNotice notice);

// What the user is told after opening the file at `path`: the reader's
// notices, the values that were not read, and why a file without a usable
// version key was not taken. One line each, in the catalogue's language.
std::vector<std::string> openLines(const OpenResult& result, std::string_view path,
                                   const texts::MessageCatalogue& messages,
                                   texts::Language language);

// A unit of another protocol version: "Unmatched version ...  PC-91, IGN-85".
std::string versionMismatchLine(const texts::MessageCatalogue& messages, int unitVersion);

// Why a paste of clipboard text changed nothing, with the fault's place as
// the user counts it.
std::string pasteRefusedLine(const editing::CellTextError& error, texts::Language language);

}  // namespace tz::session
