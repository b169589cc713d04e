// map: the window's table tools for scripts. A file is opened as the window
// opens it; get prints a block of cells as the window copies it, the other
// tools change the cells as the window does, repair the settings and save
// them to a new file.
#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/load_ign_file.h"
#include "editing/cell_block_text.h"
#include "editing/cell_range_text.h"
#include "editing/image_tables.h"
#include "editing/table_tools.h"
#include "platform/atomic_file.h"
#include "session/reports.h"
#include "texts/table_texts.h"

namespace tz::cli {

namespace {

using editing::CellRange;
using texts::TableTool;

constexpr const char* kMapUsage =
    "usage: tz_arko5-cli map get IN.ign [--table T] [--range R]\n"
    "       tz_arko5-cli map set|add|scale IN.ign OUT.ign NUMBER [--table T] [--range R]\n"
    "       tz_arko5-cli map smooth IN.ign OUT.ign [--table T] [--range R]\n"
    "       tz_arko5-cli map paste IN.ign OUT.ign [TEXT|-] [--table T] [--range R]\n"
    "T: advance (default), rpm, servo; R: ROW:COLUMN or ROW:COLUMN-ROW:COLUMN\n"
    "--accept-defaults: write OUT even when values of IN could not be read\n";

enum class Action { Get, Set, Add, Scale, Smooth, Paste };

struct ActionName {
    const char* name;
    Action action;
    int files;    // IN, or IN and OUT
    bool number;  // a NUMBER follows the files
};

constexpr ActionName kActions[] = {
    {"get", Action::Get, 1, false},       {"set", Action::Set, 2, true},
    {"add", Action::Add, 2, true},        {"scale", Action::Scale, 2, true},
    {"smooth", Action::Smooth, 2, false}, {"paste", Action::Paste, 2, false},
};

enum class TableName { Advance, Rpm, Servo };

struct Request {
    const ActionName* action = nullptr;
    std::vector<std::string> files;
    double number = 0;
    std::string textPath = "-";  // paste: the text's file, "-" standard input
    TableName table = TableName::Advance;
    std::optional<CellRange> range;
};

// A plain decimal number with an optional sign and decimals.
std::optional<double> parseNumber(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Request> parseRequest(const std::vector<std::string>& args) {
    Request r;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--table" && hasValue) {
            const std::string& name = args[++i];
            if (name == "advance")
                r.table = TableName::Advance;
            else if (name == "rpm")
                r.table = TableName::Rpm;
            else if (name == "servo")
                r.table = TableName::Servo;
            else
                return std::nullopt;
        } else if (arg == "--range" && hasValue) {
            r.range = editing::parseCellRangeText(args[++i]);
            if (!r.range) return std::nullopt;
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty()) return std::nullopt;
    for (const ActionName& a : kActions)
        if (positional.front() == a.name) r.action = &a;
    if (r.action == nullptr) return std::nullopt;
    const std::size_t files = static_cast<std::size_t>(r.action->files);
    const bool paste = r.action->action == Action::Paste;
    const std::size_t extra = r.action->number ? 1 : 0;
    const std::size_t count = positional.size() - 1;
    if (count != files + extra && !(paste && count == files + 1)) return std::nullopt;
    r.files.assign(positional.begin() + 1, positional.begin() + 1 + static_cast<long>(files));
    if (r.action->number) {
        const std::optional<double> number = parseNumber(positional.back());
        if (!number) return std::nullopt;
        r.number = *number;
    }
    if (paste && count == files + 1) r.textPath = positional.back();
    return r;
}

std::unique_ptr<editing::CellTable> tableOf(TableName name, Image& image) {
    switch (name) {
        case TableName::Advance:
            // Without the TPS map the window shows, and the tools reach, the
            // 100 % row alone.
            return std::make_unique<editing::AdvanceMapTable>(image, image[field::TPS_MAPA] != 0);
        case TableName::Rpm:
            return std::make_unique<editing::RpmBreakpointTable>(image);
        case TableName::Servo:
            return std::make_unique<editing::ServoCurveTable>(image);
    }
    return nullptr;
}

std::optional<std::string> readText(const std::string& path) {
    if (path != "-") return readWholeFile(path);
    std::ostringstream text;
    text << std::cin.rdbuf();
    return text.str();
}

}  // namespace

int mapCommand(Context& c) {
    const bool accept = takeFlag(c.args, "--accept-defaults");
    const std::optional<Request> request = parseRequest(c.args);
    if (!request) {
        c.err << kMapUsage;
        return kUsage;
    }
    const Action action = request->action->action;

    session::Session s({});
    int exitCode = kSuccess;
    // Only a command that writes a file refuses one whose values were lost;
    // the settings as the window shows them before the user edits them.
    const bool writes = action != Action::Get;
    if (!openIgnFileAsShown(c, s, request->files[0], exitCode,
                            writes && !accept ? LostValues::Refuse : LostValues::Accept))
        return exitCode;

    Image edited = s.image();
    const std::unique_ptr<editing::CellTable> table = tableOf(request->table, edited);
    const CellRange area = table->area();
    CellRange range = area;
    if (request->range)
        range = request->range->intersected(area);
    else if (action == Action::Paste)
        range = CellRange::sized(area.topLeft(), 1, 1);
    if (range.empty()) {
        c.err << "the range lies outside the table's cells (" << editing::formatCellRangeText(area)
              << ")\n";
        return kUsage;
    }

    if (action == Action::Get) {
        c.out << editing::formatCellBlock(editing::copyCells(*table, range));
        return kSuccess;
    }

    editing::ToolResult result;
    TableTool tool = TableTool::Paste;
    switch (action) {
        case Action::Set:
            tool = TableTool::Set;
            result = editing::setCells(*table, range, request->number);
            break;
        case Action::Add:
            tool = TableTool::Add;
            result = editing::addToCells(*table, range, request->number);
            break;
        case Action::Scale:
            tool = TableTool::Scale;
            result = editing::scaleCells(*table, range, request->number);
            break;
        case Action::Smooth:
            tool = TableTool::Smooth;
            result = editing::smoothCells(*table, range);
            break;
        case Action::Paste: {
            const std::optional<std::string> text = readText(request->textPath);
            if (!text) {
                c.err << c.messages[texts::Msg::MsgOpenFileError] << '\n';
                return kFileError;
            }
            const auto parsed = editing::parseCellBlock(*text);
            if (const auto* error = std::get_if<editing::CellTextError>(&parsed)) {
                c.err << session::pasteRefusedLine(*error, c.language);
                if (!error->field.empty()) c.err << ": \"" << error->field << '"';
                c.err << '\n';
                return kFailure;
            }
            result = editing::pasteCells(*table, range, std::get<editing::CellBlock>(parsed));
            break;
        }
        case Action::Get:
            break;
    }

    s.stage(cellBlockEdit(s.image(), edited));
    if (!s.save(request->files[1])) {
        c.err << c.messages[texts::Msg::MsgOpenFileError] << '\n';
        return kFileError;
    }
    c.out << texts::toolResultLine(tool, result.written, result.clamped, c.language) << '\n';
    return kSuccess;
}

}  // namespace tz::cli
