// tz_arko5-cli: the program's operations for scripts and tests.
#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/cli_context.h"
#include "platform/build_version.h"
#include "platform/program_arguments.h"

namespace {

constexpr const char* kUsage =
    "usage: tz_arko5-cli [--lang ENGLISH|DEUTSCH|FRANCE|CESKY] COMMAND ARGS...\n"
    "       tz_arko5-cli --help|--version\n"
    "\n"
    "commands:\n"
    "  normalize [--accept-defaults] IN.ign OUT.ign  read IN as the Open command\n"
    "                            does, repair it and write it in the current\n"
    "                            format to OUT\n"
    "  image IN.ign              read and repair IN and print its 300 bytes in\n"
    "                            the saved-image format\n"
    "  program --port DEV [--backup] [--check [--max-step DEG]] FILE.ign\n"
    "                            open FILE as the window does and\n"
    "                            program the unit on the serial device DEV;\n"
    "                            returns when the unit has stored the settings;\n"
    "                            --backup: read the unit first and keep it as a\n"
    "                            before-program restore point (a failed read\n"
    "                            ends the run with \"Read error!\");\n"
    "                            --check: run the settings check first and refuse\n"
    "                            (status 1, the findings on standard error)\n"
    "                            when it finds anything\n"
    "  verify --port DEV FILE.ign    compare the unit with FILE\n"
    "  read --port DEV OUT.ign   read the unit and save its settings to OUT\n"
    "  monitor --port DEV [--csv [--decimal-comma]] [--count N]  print the\n"
    "                            live values of each monitor frame as one JSON\n"
    "                            object per line; --csv: a live-data log\n"
    "                            instead, a header line, then one row per\n"
    "                            frame, time_s (seconds since the first frame)\n"
    "                            first, time_ms and start_time last;\n"
    "                            --decimal-comma: values separated by ';' and\n"
    "                            time_s with a decimal comma, for spreadsheets\n"
    "                            in German, French, Czech...; N frames, or\n"
    "                            until interrupted\n"
    "  diff A.ign B.ign [--json] compare the settings of two files, each as\n"
    "                            normalize would write it: one line per value\n"
    "                            that differs, fields separated by tabs:\n"
    "                            KEY INDEX NAME A B  (the .ign key, the value's\n"
    "                            1-based position after it, its name in the\n"
    "                            --lang language, the values in A and in B in\n"
    "                            the file's units; KEY BYTE and the byte number\n"
    "                            for image bytes that no key holds); --json: one\n"
    "                            {\"key\",\"index\",\"name\",\"a\",\"b\"} object per\n"
    "                            line; exit status 0 equal, 1 different\n"
    "  diff --port DEV FILE.ign [--json]  the same for the settings the unit\n"
    "                            holds (A, read without storing anything and\n"
    "                            not repaired) and FILE (B)\n"
    "  restore-points            list the restore points kept after each read and\n"
    "                            program (also by read and program here),\n"
    "                            newest first, fields separated by tabs:\n"
    "                            YYYY-MM-DD HH:MM:SS, OPERATION (read, program,\n"
    "                            before-program), UNIT, PATH\n"
    "  map get IN.ign [--table T] [--range R]\n"
    "                            print cells as the window copies them: rows top\n"
    "                            to bottom, values separated by tabs\n"
    "  map set|add|scale IN.ign OUT.ign NUMBER [--table T] [--range R]\n"
    "  map smooth IN.ign OUT.ign [--table T] [--range R]\n"
    "  map paste IN.ign OUT.ign [TEXT|-] [--table T] [--range R]\n"
    "                            open IN as the window does; set the cells to\n"
    "                            NUMBER, add NUMBER to them, scale them to NUMBER\n"
    "                            percent, smooth them (each the mean of itself,\n"
    "                            weight 4, and its neighbours in the range, 2\n"
    "                            beside, above or below, 1 diagonal) or paste the\n"
    "                            block of values in TEXT (standard input without\n"
    "                            it or with -; tabs, ';' or ',' between values)\n"
    "                            with its top left at the range's (one value\n"
    "                            fills the range); each value is limited to its\n"
    "                            cell's range; repair and save to OUT, and print\n"
    "                            what was done\n"
    "                            T: advance (default; rows 1..10 are the throttle\n"
    "                            rows 0..100 %, row 10 alone without the TPS map),\n"
    "                            rpm (the map's speeds), servo (row 1 rpm, row 2\n"
    "                            mV); R: ROW:COLUMN or ROW:COLUMN-ROW:COLUMN,\n"
    "                            counted from 1, by default the whole table\n"
    "                            (paste: its first cell)\n"
    "  normalize and the changing map commands write nothing when a value of IN\n"
    "  is not a number (it and the key's later values would keep their first-\n"
    "  start settings) unless --accept-defaults is given\n"
    "  log stats LOG.csv [--json] [--ign FILE.ign]\n"
    "                            a live-data log's duration in seconds, its rows,\n"
    "                            each column's min, max and mean (of the rows)\n"
    "                            and the seconds per advance-map cell (the map\n"
    "                            of FILE, else of the default settings); --json:\n"
    "                            one {\"duration_s\",\"rows\",\"channels\":{NAME:\n"
    "                            {\"min\",\"max\",\"mean\"}},\"cell_time_s\"} object\n"
    "  log plot LOG.csv --out FILE.svg [--channels NAME,...] [--from S] [--to S]\n"
    "                    [--size WxH]\n"
    "                            the log's time plot as the window's Log page\n"
    "                            draws it, as an SVG picture (by default rpm,\n"
    "                            tps, advance1, advance2 at 1200x600); a log\n"
    "                            that cannot be read: status 2, a bad row or no\n"
    "                            rows: status 1, nothing written\n"
    "  check FILE.ign [--max-step DEG] [--json]\n"
    "                            the settings check the window runs before\n"
    "                            programming: one line per finding, fields\n"
    "                            separated by tabs: KIND KEY INDEX TABLE ROW\n"
    "                            COLUMN TEXT (TABLE ROW COLUMN as map counts\n"
    "                            them, - for a setting); --max-step: the largest\n"
    "                            advance step between neighbouring cells\n"
    "                            (default 10); --json: one object per line;\n"
    "                            exit status 0 nothing found, 1 findings\n"
    "  wheel FILE.ign --out FILE.svg\n"
    "                            the Bike page's picture of the trigger wheel\n"
    "                            as an SVG file\n"
    "\n"
    "exit status: 0 success, 1 failure (no usable version key, a transfer that\n"
    "             failed, map paste text that is not a number, values of IN\n"
    "             that were not read: the reason goes to standard error),\n"
    "             2 a file could not be opened or written (diff: or has no\n"
    "             usable version key, or the unit could not be read; program\n"
    "             --backup: the backup could not be written), or the port is in\n"
    "             use by another program, 64 wrong usage\n";

struct Command {
    std::string_view name;
    int (*run)(tz::cli::Context&);
};

constexpr Command kCommands[] = {
    {"normalize", tz::cli::normalizeCommand},
    {"image", tz::cli::imageCommand},
    {"program", tz::cli::programCommand},
    {"verify", tz::cli::verifyCommand},
    {"read", tz::cli::readCommand},
    {"monitor", tz::cli::monitorCommand},
    {"diff", tz::cli::diffCommand},
    {"restore-points", tz::cli::restorePointsCommand},
    {"map", tz::cli::mapCommand},
    {"log", tz::cli::logCommand},
    {"check", tz::cli::checkCommand},
    {"wheel", tz::cli::wheelCommand},
};

}  // namespace

int main(int argc, char** argv) {
    using namespace tz;
    ProgramArguments arguments(argc, argv);
    argc = arguments.argc();
    argv = arguments.argv();
    cli::Context context{{}, texts::Language::English, {}, std::cout, std::cerr};
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::cout << kUsage;
            return cli::kSuccess;
        }
        if (option == "--version") {
            std::cout << versionLine("tz_arko5-cli") << '\n';
            return cli::kSuccess;
        }
        if (option == "--lang" && i + 1 < argc) {
            const std::optional<texts::Language> language =
                texts::languageFromCommandLineWord(argv[++i]);
            if (!language) {
                std::cerr << "unknown language: " << argv[i] << '\n' << kUsage;
                return cli::kUsage;
            }
            context.language = *language;
            continue;
        }
        std::cerr << "unknown option: " << option << '\n' << kUsage;
        return cli::kUsage;
    }
    if (i >= argc) {
        std::cerr << kUsage;
        return cli::kUsage;
    }
    const std::string_view name = argv[i++];
    for (; i < argc; ++i) context.args.emplace_back(argv[i]);
    context.messages.fillCaptionEntries(context.language);
    context.messages.fillMessages(context.language);
    for (const Command& command : kCommands)
        if (command.name == name) return command.run(context);
    std::cerr << "unknown command: " << name << '\n' << kUsage;
    return cli::kUsage;
}
