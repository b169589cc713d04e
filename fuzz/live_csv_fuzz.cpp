// Arbitrary text as a live-data log: the parser must never fault, an error
// names a line of the text, and whatever it reads is written back in both
// forms of the log and read again to the same rows.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "logs/live_csv.h"

namespace {

using namespace tz::logs;

std::string format(const LiveLog& log, LiveCsvForm form) {
    std::string text(LiveCsvHeader(form));
    LiveRowBuffer buffer;
    for (const LiveRow& row : log.rows)
        text += FormatLiveRow(
            row.timeMs, row.values, buffer, form,
            text.size() == LiveCsvHeader(form).size() ? "2026-12-11T05:40:00+01:00" : "");
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedLiveCsv parsed = ParseLiveCsv(text);
    if (parsed.error) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        if (parsed.error->line < 1 || parsed.error->line > lines) std::abort();
        if (!parsed.log.rows.empty()) std::abort();
        return 0;
    }
    for (std::size_t i = 1; i < parsed.log.rows.size(); ++i)
        if (parsed.log.rows[i].timeMs < parsed.log.rows[i - 1].timeMs) std::abort();

    const std::string written = format(parsed.log, LiveCsvForm::DecimalPoint);
    for (const LiveCsvForm form : {LiveCsvForm::DecimalPoint, LiveCsvForm::DecimalComma}) {
        const ParsedLiveCsv again = ParseLiveCsv(format(parsed.log, form));
        if (again.error || again.log.rows.size() != parsed.log.rows.size()) std::abort();
        if (format(again.log, LiveCsvForm::DecimalPoint) != written) std::abort();
    }
    return 0;
}
