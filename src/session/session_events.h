// What the session reports of a tick or a command, as data, in the order it
// happened: the link's reports, transfers, ports and live values, and what
// the session adds of its own. A window shows them; the command-line program
// prints some of them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "link/link_events.h"
#include "params/setting_id.h"
#include "platform/restore_points.h"

namespace tz::session {

// The image was brought within its rules again (a programming run's info
// page, a refused transfer of another protocol version); the views show it
// again.
struct ImageRepaired {};
// A read put the unit's pages into the image (already repaired).
struct ImageRead {};

// Undo or redo put an earlier image back; `page` is the page the change was
// made on.
struct HistoryRestored {
    int page = 0;
};

// The settings whose values changed since the session last reported them,
// the repair's side effects included: a window writes only their controls.
struct SettingsChanged {
    std::vector<SettingId> settings;
};

// A recording stopped by itself: writing the log failed. The file keeps the
// `rows` whole rows written before.
struct RecordingFailed {
    std::error_code error;
    std::size_t rows = 0;
};

// A read for a comparison has the unit's pages (Session::unitPages()); the
// image is as it was.
struct UnitPagesRead {};

// A restore point was written to `path`, or could not be written (no path).
// A backup before programming that could not be written ends the run.
struct RestorePointKept {
    RestoreOperation operation = RestoreOperation::Read;
    std::optional<std::string> path;
};

using Event = std::variant<link::ReportShown, link::ProgrammingDone, link::ReportCleared,
                           link::ProgressChanged, link::ProgressShown, link::TransferEnded,
                           link::PortOpened, ImageRepaired, ImageRead, link::MonitorFrame,
                           link::ConnectionLost, HistoryRestored, SettingsChanged, RecordingFailed,
                           UnitPagesRead, RestorePointKept>;
using Events = std::vector<Event>;

// Visits an event with one lambda per kind:
// std::visit(EventHandlers{[](const link::ReportShown&) {...}, ...}, event).
template <class... Handlers>
struct EventHandlers : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
EventHandlers(Handlers...) -> EventHandlers<Handlers...>;

}  // namespace tz::session
