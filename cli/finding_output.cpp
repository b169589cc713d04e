#include "cli/finding_output.h"

#include <algorithm>
#include <charconv>

#include "cli/difference_output.h"
#include "session/finding_texts.h"

namespace tz::cli {

namespace {

constexpr int kLargestStep = 60;  // the advance cells' range

}  // namespace

void writeFindings(std::ostream& out, std::span<const editing::SettingsFinding> findings,
                   const editing::CheckLimits& limits, texts::Language language, const Image& image,
                   FindingFormat format) {
    for (const editing::SettingsFinding& f : findings) {
        const std::string text = session::findingText(f, limits, language, image);
        const std::string_view kind = editing::findingKindName(f.kind);
        const bool cell = f.table != editing::CheckTable::None;
        if (format == FindingFormat::Json) {
            out << "{\"kind\":" << jsonString(kind) << ",\"key\":" << jsonString(f.key)
                << ",\"index\":" << f.index;
            if (cell)
                out << ",\"table\":" << jsonString(editing::checkTableName(f.table))
                    << ",\"row\":" << f.row << ",\"column\":" << f.column;
            out << ",\"value\":" << f.value << ",\"text\":" << jsonString(text) << "}\n";
        } else {
            out << kind << '\t' << f.key << '\t' << f.index << '\t';
            if (cell)
                out << editing::checkTableName(f.table) << '\t' << f.row << '\t' << f.column;
            else
                out << "-\t-\t-";
            out << '\t' << text << '\n';
        }
    }
}

bool takeMaxStep(std::vector<std::string>& args, editing::CheckLimits& limits) {
    const auto at = std::find(args.begin(), args.end(), "--max-step");
    if (at == args.end()) return true;
    if (at + 1 == args.end()) return false;
    const std::string& text = *(at + 1);
    int degrees = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    if (error != std::errc() || end != text.data() + text.size() || degrees < 0 ||
        degrees > kLargestStep)
        return false;
    limits.maxAdvanceStep = degrees;
    args.erase(at, at + 2);
    return true;
}

}  // namespace tz::cli
