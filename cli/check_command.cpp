// check: the settings check the window runs before programming, for a file.
// wheel: the Bike page's picture of the trigger wheel as an SVG file.
#include <ostream>
#include <string>
#include <vector>

#include "canvas/svg_canvas.h"
#include "cli/cli_context.h"
#include "cli/finding_output.h"
#include "cli/load_ign_file.h"
#include "graphs/trigger_wheel.h"
#include "platform/atomic_file.h"
#include "texts/check_texts.h"

namespace tz::cli {

namespace {

constexpr int kWheelWidth = 360;
constexpr int kWheelHeight = 420;

// The file as the window shows it after Open; false when it cannot be read
// or holds no usable version key (the command then ends with kFileError).
bool openAsShown(Context& c, session::Session& s, const std::string& path) {
    int exitCode = kSuccess;
    return openIgnFileAsShown(c, s, path, exitCode);
}

}  // namespace

int checkCommand(Context& c) {
    constexpr const char* kUsageText =
        "usage: tz_arko5-cli check FILE.ign [--max-step DEG] [--json]\n";
    editing::CheckLimits limits;
    FindingFormat format = FindingFormat::Lines;
    std::vector<std::string> files;
    bool usable = takeMaxStep(c.args, limits);
    for (const std::string& arg : c.args) {
        if (arg == "--json")
            format = FindingFormat::Json;
        else if (arg.starts_with("--"))
            usable = false;
        else
            files.push_back(arg);
    }
    if (!usable || files.size() != 1) {
        c.err << kUsageText;
        return kUsage;
    }
    session::Session s({});
    if (!openAsShown(c, s, files[0])) return kFileError;
    const std::vector<editing::SettingsFinding> findings =
        editing::checkSettings(s.image(), limits);
    writeFindings(c.out, findings, limits, c.language, s.image(), format);
    return findings.empty() ? kSuccess : kFailure;
}

int wheelCommand(Context& c) {
    constexpr const char* kUsageText = "usage: tz_arko5-cli wheel FILE.ign --out FILE.svg\n";
    if (c.args.size() != 3 || c.args[1] != "--out" || c.args[0].starts_with("--")) {
        c.err << kUsageText;
        return kUsage;
    }
    session::Session s({});
    if (!openAsShown(c, s, c.args[0])) return kFileError;
    const graphs::WheelLayout layout = graphs::triggerWheelLayout(s.image());
    const std::string tdc = texts::checkText(texts::CheckText::WheelTdc, c.language);
    const std::vector<std::string> caption = texts::wheelCaption(c.language, layout.largestAdvance);
    graphs::SvgCanvas canvas(kWheelWidth, kWheelHeight);
    graphs::drawTriggerWheel(canvas, layout, {tdc, caption});
    if (!writeFileAtomically(c.args[2], canvas.document())) {
        c.err << c.messages[texts::Msg::MsgOpenFileError] << '\n';
        return kFileError;
    }
    return kSuccess;
}

}  // namespace tz::cli
