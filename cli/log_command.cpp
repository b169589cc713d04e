// `log stats` and `log plot`: a live-data log's figures and its time plot,
// drawn by the same code as the window's Log page, as an SVG file.
#include <charconv>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

#include "canvas/svg_canvas.h"
#include "cli/cli_context.h"
#include "cli/load_ign_file.h"
#include "logs/log_stats.h"
#include "platform/atomic_file.h"
#include "plots/channels.h"
#include "plots/log_series.h"
#include "plots/time_plot.h"
#include "session/cell_timer.h"
#include "texts/live_log_texts.h"
#include "texts/log_view_texts.h"

namespace tz::cli {

namespace {

constexpr const char* kLogUsage =
    "usage: tz_arko5-cli log stats LOG.csv [--json] [--ign FILE.ign]\n"
    "       tz_arko5-cli log plot LOG.csv --out FILE.svg [--channels rpm,advance1,...]\n"
    "                    [--from S] [--to S] [--size WxH]\n";

// The largest log read: some sixty hours of frames, as the window reads.
constexpr std::size_t kMaxLogBytes = std::size_t{64} << 20;

// A number as short as it can be written and read back the same.
std::string number(double value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

std::string seconds(std::int64_t ms) {
    return number(static_cast<double>(ms) / 1000);
}

// The log, or the exit status: 2 when it cannot be read, 1 for a bad row
// (its line on standard error) or no rows.
std::optional<logs::LiveLog> readLog(Context& c, const std::string& path, int& exitCode) {
    const std::optional<std::string> text = readWholeFile(path, kMaxLogBytes);
    if (!text) {
        c.err << texts::fillIn(texts::logText(texts::LogText::CannotOpen, c.language), {path})
              << '\n';
        exitCode = kFileError;
        return std::nullopt;
    }
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(*text);
    if (parsed.error) {
        c.err << path << ": " << logs::DescribeLiveCsvError(*parsed.error) << '\n';
        exitCode = kFailure;
        return std::nullopt;
    }
    if (parsed.log.rows.empty()) {
        c.err << path << ": " << texts::logText(texts::LogText::NoRows, c.language) << '\n';
        exitCode = kFailure;
        return std::nullopt;
    }
    return std::move(parsed.log);
}

// The value after an option, or nothing (and usage) when it is missing.
const std::string* optionValue(const std::vector<std::string>& args, std::size_t& i) {
    return i + 1 < args.size() ? &args[++i] : nullptr;
}

bool parseSeconds(const std::string& text, std::int64_t& ms) {
    double s = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), s);
    if (ec != std::errc() || end != text.data() + text.size() || !(s >= 0) || s > 1e12)
        return false;
    ms = static_cast<std::int64_t>(s * 1000 + 0.5);
    return true;
}

// Time per map cell as the window sums it, under the map of `ign` or of the
// default settings.
logs::CellTime cellTime(const logs::LiveLog& log, const Image& image) {
    session::CellTimer timer;
    for (const logs::LiveRow& row : log.rows) timer.frame(row.timeMs, row.values, image);
    return timer.sums();
}

void printStatsText(Context& c, const logs::LogStats& stats, const logs::CellTime& cells,
                    const Image& image) {
    c.out << "duration_s\t" << seconds(stats.durationMs) << "\nrows\t" << stats.rows
          << "\n\nchannel\tmin\tmax\tmean\n";
    for (std::size_t i = 0; i < logs::kLiveColumnCount; ++i)
        if (const std::optional<logs::ColumnStats>& s = stats.columns[i])
            c.out << logs::LiveColumnName(static_cast<logs::LiveColumn>(i)) << '\t' << s->min
                  << '\t' << s->max << '\t' << number(s->mean) << '\n';
    // Rows: the throttle breakpoints; columns: the map's rpm breakpoints.
    c.out << "\ncell_time_s\ttps % \\ rpm";
    for (int col = 0; col < kMapColumns; ++col) c.out << '\t' << image[field::RPM_ADV + col] * 100;
    c.out << '\n';
    for (int row = 0; row < kMapRows; ++row) {
        c.out << '\t' << kTpsBreakpoints[static_cast<std::size_t>(row)];
        for (int col = 0; col < kMapColumns; ++col) c.out << '\t' << seconds(cells.ms(row, col));
        c.out << '\n';
    }
}

void printStatsJson(Context& c, const logs::LogStats& stats, const logs::CellTime& cells) {
    c.out << R"({"duration_s":)" << seconds(stats.durationMs) << R"(,"rows":)" << stats.rows
          << R"(,"channels":{)";
    bool first = true;
    for (std::size_t i = 0; i < logs::kLiveColumnCount; ++i) {
        const std::optional<logs::ColumnStats>& s = stats.columns[i];
        if (!s) continue;
        c.out << (first ? "" : ",") << '"' << logs::LiveColumnName(static_cast<logs::LiveColumn>(i))
              << R"(":{"min":)" << s->min << R"(,"max":)" << s->max << R"(,"mean":)"
              << number(s->mean) << '}';
        first = false;
    }
    c.out << R"(},"cell_time_s":[)";
    for (int row = 0; row < kMapRows; ++row) {
        c.out << (row ? ",[" : "[");
        for (int col = 0; col < kMapColumns; ++col)
            c.out << (col ? "," : "") << seconds(cells.ms(row, col));
        c.out << ']';
    }
    c.out << "]}\n";
}

int statsCommand(Context& c) {
    bool json = false;
    std::string ign;
    for (std::size_t i = 2; i < c.args.size(); ++i) {
        const std::string* value = nullptr;
        if (c.args[i] == "--json") {
            json = true;
        } else if (c.args[i] == "--ign" && (value = optionValue(c.args, i))) {
            ign = *value;
        } else {
            c.err << kLogUsage;
            return kUsage;
        }
    }
    int exitCode = kSuccess;
    const std::optional<logs::LiveLog> log = readLog(c, c.args[1], exitCode);
    if (!log) return exitCode;
    session::Session s({});
    s.normalise();
    if (!ign.empty() && !openIgnFile(c, s, ign, exitCode)) return exitCode;
    const logs::LogStats stats = logs::ComputeLogStats(*log);
    const logs::CellTime cells = cellTime(*log, s.image());
    if (json)
        printStatsJson(c, stats, cells);
    else
        printStatsText(c, stats, cells, s.image());
    return kSuccess;
}

struct PlotOptions {
    std::string out;
    std::vector<logs::LiveColumn> channels = plots::defaultChannels();
    std::optional<std::int64_t> fromMs;
    std::optional<std::int64_t> toMs;
    int width = 1200;
    int height = 600;
};

bool parseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const auto whole = [](std::string_view t, int& v) {
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        return ec == std::errc() && end == t.data() + t.size() && v >= 100 && v <= 10000;
    };
    return whole(std::string_view(text).substr(0, x), width) &&
           whole(std::string_view(text).substr(x + 1), height);
}

// False, with the reason on standard error, for wrong usage.
bool parsePlotOptions(Context& c, PlotOptions& o) {
    for (std::size_t i = 2; i < c.args.size(); ++i) {
        const std::string& option = c.args[i];
        const std::string* value = optionValue(c.args, i);
        std::int64_t ms = 0;
        std::string unknown;
        if (value == nullptr) {
            c.err << option << " needs a value\n";
            return false;
        }
        if (option == "--out") {
            o.out = *value;
        } else if (option == "--channels") {
            std::optional<std::vector<logs::LiveColumn>> channels =
                plots::parseChannelList(*value, unknown);
            if (!channels) {
                c.err << "unknown channel: " << unknown << '\n';
                return false;
            }
            o.channels = std::move(*channels);
        } else if ((option == "--from" || option == "--to") && parseSeconds(*value, ms)) {
            (option == "--from" ? o.fromMs : o.toMs) = ms;
        } else if (option != "--size" || !parseSize(*value, o.width, o.height)) {
            c.err << "wrong option: " << option << ' ' << *value << '\n';
            return false;
        }
    }
    if (o.out.empty()) c.err << "--out FILE.svg is missing\n";
    return !o.out.empty();
}

int plotCommand(Context& c) {
    PlotOptions o;
    if (!parsePlotOptions(c, o)) {
        c.err << kLogUsage;
        return kUsage;
    }
    int exitCode = kSuccess;
    const std::optional<logs::LiveLog> log = readLog(c, c.args[1], exitCode);
    if (!log) return exitCode;
    const plots::LogSeries series(*log);
    const std::int64_t from = std::min(o.fromMs.value_or(0), series.durationMs());
    const std::int64_t to = std::min(o.toMs.value_or(series.durationMs()), series.durationMs());
    if (to <= from && series.durationMs() > 0) {
        c.err << "--from must be before --to and within the log's " << seconds(series.durationMs())
              << " s\n";
        return kUsage;
    }
    plots::TimePlot plot;
    plot.series = &series;
    plot.channels = o.channels;
    for (std::size_t i = 0; i < logs::kLiveColumnCount; ++i)
        plot.names[i] = texts::logChannelName(i, c.language);
    plot.emptyText = texts::logViewText(texts::LogViewText::NoChannel, c.language);
    plot.fromMs = from;
    plot.toMs = std::max(to, from + 1);
    graphs::SvgCanvas canvas(o.width, o.height);
    plots::drawTimePlot(canvas, plot);
    if (!writeFileAtomically(o.out, canvas.document())) {
        c.err << c.messages[texts::Msg::MsgOpenFileError] << ' ' << o.out << '\n';
        return kFileError;
    }
    return kSuccess;
}

}  // namespace

int logCommand(Context& c) {
    if (c.args.size() < 2 || (c.args[0] != "stats" && c.args[0] != "plot")) {
        c.err << kLogUsage;
        return kUsage;
    }
    return c.args[0] == "stats" ? statsCommand(c) : plotCommand(c);
}

}  // namespace tz::cli
