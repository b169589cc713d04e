#include "sim/options.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "link/monitor_fields.h"
#include "logs/live_csv.h"
#include "params/ign_reader.h"
#include "params/param_state.h"

namespace tz::sim {

namespace {

template <typename Number>
bool number(std::string_view text, Number& out) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool percent(std::string_view text, int& out) {
    return number(text, out) && out >= 0 && out <= 100;
}

// "A:B" into two numbers.
bool pair(std::string_view text, std::int64_t& a, std::int64_t& b) {
    const std::size_t colon = text.find(':');
    return colon != std::string_view::npos && number(text.substr(0, colon), a) &&
           number(text.substr(colon + 1), b) && a >= 0 && b >= 0;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// "2016-11-04" and "16:21".
bool date(std::string_view text, UnitIdentity& id) {
    return text.size() == 10 && text[4] == '-' && text[7] == '-' &&
           number(text.substr(0, 4), id.year) && number(text.substr(5, 2), id.month) &&
           number(text.substr(8, 2), id.day) && id.month >= 1 && id.month <= 12 && id.day >= 1 &&
           id.day <= 31;
}

bool time(std::string_view text, UnitIdentity& id) {
    return text.size() == 5 && text[2] == ':' && number(text.substr(0, 2), id.hour) &&
           number(text.substr(3, 2), id.minute) && id.hour < 24 && id.minute < 60;
}

// What a unit holds after it was programmed with these settings: the image
// as programming repairs it before the pages go out.
Image asProgrammed(ParamState state) {
    state.repair();
    return state.image;
}

// The frame names of every monitor field, wrapped under the option texts.
std::string fieldNames() {
    constexpr std::size_t kIndent = 24;
    constexpr std::size_t kWidth = 79;
    std::string text;
    std::size_t lineStart = 0;
    for (const link::MonitorField& field : link::AllMonitorFields()) {
        if (!field.inFrame()) continue;
        const std::size_t lineLength = text.size() - lineStart;
        if (lineStart == text.size() || lineLength + 1 + field.frameName.size() > kWidth) {
            if (!text.empty()) text += '\n';
            lineStart = text.size();
            text.append(kIndent, ' ');
        } else {
            text += ' ';
        }
        text += field.frameName;
    }
    return text + '\n';
}

std::string buildUsage() {
    return std::string(
               "usage: tz_arko5-sim [options]\n"
               "A simulated TZ_ARKO5 ignition unit on a pseudo-terminal. The first line on\n"
               "stdout is the device to open; a new line follows whenever it changes.\n"
               "\n"
               "  --link PATH           make PATH a symbolic link to the device\n"
               "  --baud N              pace the replies at N baud (default 57600, 0 = at once)\n"
               "  --name TEXT           unit name: three characters and two digits, or a long\n"
               "                        name of up to 30 characters (default TZA05)\n"
               "  --date YYYY-MM-DD     build date in the info page (default 2016-11-04)\n"
               "  --time HH:MM          build time in the info page (default 16:21)\n"
               "  --protocol N          protocol version the unit reports (default 91)\n"
               "  --load FILE.ign       the stored settings (default: the first-start settings),\n"
               "                        as the window programs them\n"
               "  --raw-pages           store the first-start or loaded settings without the\n"
               "                        repair that programming adds (not in normal form)\n"
               "  --set FIELD=VALUE     a fixed monitor value, repeatable, as the frame carries\n"
               "                        it (advances in degrees, tps-raw and the servo\n"
               "                        values as readings 0..1023); FIELD is one of\n") +
           fieldNames() +
           "  --script FILE         monitor values over time: lines \"MS FIELD=VALUE ...\"\n"
           "  --replay LOG.csv      monitor values from a recorded live-data log: each row\n"
           "                        at its time (time_ms, or time_s in older logs), the\n"
           "                        first row at the start; columns the log lacks keep\n"
           "                        the values set above (a protocol column overrides\n"
           "                        --protocol in the monitor frames)\n"
           "  --loop                with --replay: start the log over after its last row\n"
           "  --engine              an engine running up and down through the map\n"
           "  --saving-ms N         how long storing the settings takes (default 2000)\n"
           "  --drop PCT            drop PCT percent of the replies\n"
           "  --corrupt PCT         flip one bit in PCT percent of the replies\n"
           "  --delay PCT[:MS]      delay PCT percent of the replies by MS (default 300)\n"
           "  --garbage PCT         send random bytes before PCT percent of the replies\n"
           "  --split PCT           send PCT percent of the replies in two parts, 80 ms apart\n"
           "  --wrong-echo PAGE     echo stores of page 1..3 with one byte changed\n"
           "  --silent              never answer\n"
           "  --away AFTER:FOR      close the device after AFTER ms, open a new one FOR ms\n"
           "                        later (under the same --link)\n"
           "  --seed N              seed of the fault choices (default 1)\n"
           "  --log FILE            log every frame received and sent\n"
           "  --help                print this text and exit\n"
           "  --version             print the program's name and version and exit\n";
}

}  // namespace

const std::string& UsageText() {
    static const std::string text = buildUsage();
    return text;
}

SimOptions ParseOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions o;
    ParamState settings = firstStartState();
    bool rawPages = false;
    std::size_t i = 0;
    const auto fail = [&error](const std::string& text) {
        error = text;
        return SimOptions{};
    };
    while (i < args.size()) {
        const std::string& option = args[i++];
        const auto flag = [&](const char* name, bool& target) {
            if (option != name) return false;
            target = true;
            return true;
        };
        if (flag("--engine", o.unit.engine) || flag("--silent", o.faults.silent) ||
            flag("--loop", o.unit.replayLoop) || flag("--raw-pages", rawPages))
            continue;
        if (i >= args.size()) return fail(option + ": unknown option or missing value");
        const std::string& value = args[i++];
        bool ok = true;
        if (option == "--link") {
            o.linkPath = value;
        } else if (option == "--baud") {
            ok = number(value, o.baud) && o.baud >= 0;
        } else if (option == "--name") {
            o.unit.identity.name = value;
            ok = !value.empty() && value.size() <= 30;
        } else if (option == "--date") {
            ok = date(value, o.unit.identity);
        } else if (option == "--time") {
            ok = time(value, o.unit.identity);
        } else if (option == "--protocol") {
            ok = number(value, o.unit.identity.protocol);
        } else if (option == "--load") {
            std::string text;
            if (!readFile(value, text)) return fail("cannot read " + value);
            settings = firstStartState();
            ok = ReadIgnFile(text, settings.image).version != 0;
            if (!ok) return fail(value + ": no usable KORVANEX_KEY version");
            settings.normalise();
        } else if (option == "--set") {
            const link::MonitorField* field = nullptr;
            int v = 0;
            ok = ParseAssignment(value, field, v);
            if (ok) o.unit.fields.set(*field, v);
        } else if (option == "--script") {
            std::string text;
            if (!readFile(value, text)) return fail("cannot read " + value);
            std::string scriptError;
            o.unit.script = ParseScript(text, scriptError);
            if (!scriptError.empty()) return fail(value + ": " + scriptError);
        } else if (option == "--replay") {
            std::string text;
            if (!readFile(value, text)) return fail("cannot read " + value);
            logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
            if (parsed.error) return fail(value + ": " + logs::DescribeLiveCsvError(*parsed.error));
            o.unit.replay = std::make_shared<const logs::LiveLog>(std::move(parsed.log));
        } else if (option == "--saving-ms") {
            ok = number(value, o.unit.savingMs) && o.unit.savingMs >= 0;
        } else if (option == "--drop") {
            ok = percent(value, o.faults.dropPercent);
        } else if (option == "--corrupt") {
            ok = percent(value, o.faults.corruptPercent);
        } else if (option == "--delay") {
            const std::size_t colon = value.find(':');
            ok = percent(value.substr(0, colon), o.faults.delayPercent) &&
                 (colon == std::string::npos ||
                  (number(std::string_view(value).substr(colon + 1), o.faults.delayMs) &&
                   o.faults.delayMs >= 0));
        } else if (option == "--garbage") {
            ok = percent(value, o.faults.garbagePercent);
        } else if (option == "--split") {
            ok = percent(value, o.faults.splitPercent);
        } else if (option == "--wrong-echo") {
            ok = number(value, o.faults.wrongEchoPage) && o.faults.wrongEchoPage >= 1 &&
                 o.faults.wrongEchoPage <= kPageCount;
        } else if (option == "--away") {
            ok = pair(value, o.awayAfterMs, o.awayForMs);
        } else if (option == "--seed") {
            ok = number(value, o.faults.seed);
        } else if (option == "--log") {
            o.logPath = value;
        } else {
            return fail(option + ": unknown option");
        }
        if (!ok) return fail(option + ": bad value " + value);
    }
    if (o.unit.replayLoop && !o.unit.replay) return fail("--loop needs --replay");
    if (o.unit.replay && o.unit.engine) return fail("--replay and --engine cannot be combined");
    o.unit.stored = rawPages ? settings.image : asProgrammed(std::move(settings));
    return o;
}

}  // namespace tz::sim
