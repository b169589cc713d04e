#include "sim/live_script.h"

#include <algorithm>
#include <charconv>

namespace tz::sim {

namespace {

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        std::size_t end = pos;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
        if (end > pos) out.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

}  // namespace

bool ParseAssignment(std::string_view text, const link::MonitorField*& field, int& value) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return false;
    field = link::FindFrameField(text.substr(0, eq));
    return field != nullptr && parseNumber(text.substr(eq + 1), value);
}

std::vector<ScriptStep> ParseScript(std::string_view text, std::string& error) {
    std::vector<ScriptStep> steps;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> w = words(line);
        if (w.empty()) continue;
        ScriptStep step;
        bool ok = parseNumber(w[0], step.atMs) && step.atMs >= 0 && w.size() > 1;
        for (std::size_t i = 1; ok && i < w.size(); ++i) {
            ok = ParseAssignment(w[i], step.field, step.value);
            if (ok) steps.push_back(step);
        }
        if (!ok) {
            error = "script line " + std::to_string(lineNumber) + ": expected MS FIELD=VALUE ...";
            return {};
        }
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const ScriptStep& a, const ScriptStep& b) { return a.atMs < b.atMs; });
    return steps;
}

void ApplyScript(const std::vector<ScriptStep>& steps, std::int64_t nowMs, MonitorFields& fields) {
    for (const ScriptStep& s : steps) {
        if (s.atMs > nowMs) break;
        fields.set(*s.field, s.value);
    }
}

}  // namespace tz::sim
