#include "platform/restore_points.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/config_paths.h"
#include "platform/local_time.h"
#include "platform/utf8_path.h"

namespace tz {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".ign";
// Nine digits at most, so that a sequence always fits an int.
constexpr int kMaxSequence = 999'999'999;
constexpr std::array<RestoreOperation, 3> kOperations{
    RestoreOperation::Read, RestoreOperation::Program, RestoreOperation::BeforeProgram};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSafeUnitCharacter(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_';
}

// Consumes `count` digits from the front of the text; -1 when they are not
// all digits.
int takeNumber(std::string_view& text, std::size_t count) {
    if (text.size() < count) return -1;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!isDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool takePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The optional "N-" after the time: N from 2 up without leading zeros.
std::optional<int> takeSequence(std::string_view& text) {
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits])) ++digits;
    if (digits == 0) return 1;
    if (digits > 9 || text[0] == '0' || digits == text.size() || text[digits] != '-')
        return std::nullopt;
    const int sequence = takeNumber(text, digits);
    text.remove_prefix(1);
    if (sequence < 2) return std::nullopt;
    return sequence;
}

std::optional<DateTime> takeDateTime(std::string_view& text) {
    DateTime t;
    t.year = takeNumber(text, 4);
    t.month = takeNumber(text, 2);
    t.day = takeNumber(text, 2);
    if (!takePrefix(text, "-")) return std::nullopt;
    t.hour = takeNumber(text, 2);
    t.minute = takeNumber(text, 2);
    t.second = takeNumber(text, 2);
    if (!takePrefix(text, "-") || !isValidDateTime(t)) return std::nullopt;
    return t;
}

bool newerFirst(const RestorePoint& x, const RestorePoint& y) {
    if (x.time != y.time) return x.time > y.time;
    if (x.sequence != y.sequence) return x.sequence > y.sequence;
    return x.path > y.path;
}

}  // namespace

std::string_view operationWord(RestoreOperation operation) {
    switch (operation) {
        case RestoreOperation::Read:
            return "read";
        case RestoreOperation::Program:
            return "program";
        case RestoreOperation::BeforeProgram:
            return "before-program";
    }
    return {};
}

bool isValidDateTime(const DateTime& t) {
    return t.year >= 0 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 60;
}

DateTime localDateTime(std::time_t when) {
    const std::tm local = localCalendarTime(when);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string dateTimeText(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string unitNameForFiles(std::string_view unitName) {
    while (!unitName.empty() && unitName.front() == ' ') unitName.remove_prefix(1);
    while (!unitName.empty() && unitName.back() == ' ') unitName.remove_suffix(1);
    std::string safe;
    for (char c : unitName.substr(0, kMaxUnitNameLength))
        safe.push_back(isSafeUnitCharacter(c) ? c : '_');
    return safe.empty() ? "unknown" : safe;
}

std::string restorePointFileName(const RestorePoint& p) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-", p.time.year, p.time.month,
                  p.time.day, p.time.hour, p.time.minute, p.time.second);
    std::string name = stamp;
    if (p.sequence > 1) name += std::to_string(p.sequence) + "-";
    name += operationWord(p.operation);
    name += "-";
    name += p.unit;
    name += kExtension;
    return name;
}

std::optional<RestorePoint> parseRestorePointFileName(std::string_view name) {
    if (!name.ends_with(kExtension)) return std::nullopt;
    name.remove_suffix(kExtension.size());
    RestorePoint point;
    const std::optional<DateTime> time = takeDateTime(name);
    if (!time) return std::nullopt;
    point.time = *time;
    const std::optional<int> sequence = takeSequence(name);
    if (!sequence) return std::nullopt;
    point.sequence = *sequence;
    const auto operation = std::find_if(kOperations.begin(), kOperations.end(), [&](auto o) {
        return name.starts_with(operationWord(o)) &&
               name.substr(operationWord(o).size()).starts_with('-');
    });
    if (operation == kOperations.end()) return std::nullopt;
    point.operation = *operation;
    name.remove_prefix(operationWord(*operation).size() + 1);
    if (name.empty() || name.size() > kMaxUnitNameLength ||
        !std::all_of(name.begin(), name.end(), isSafeUnitCharacter))
        return std::nullopt;
    point.unit = std::string(name);
    return point;
}

std::string restorePointDirectory() {
    return joinPath(dataDirectory(), "restore-points");
}

RestorePoints::RestorePoints(std::string directory, std::size_t keep)
    : directory_(std::move(directory)), keep_(std::max<std::size_t>(keep, 1)) {}

std::vector<RestorePoint> RestorePoints::list() const {
    std::vector<RestorePoint> points;
    std::error_code ec;
    for (fs::directory_iterator it(pathFromUtf8(directory_), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::optional<RestorePoint> point =
            parseRestorePointFileName(utf8FromPath(it->path().filename()));
        if (!point) continue;
        point->path = utf8FromPath(it->path());
        points.push_back(std::move(*point));
    }
    std::sort(points.begin(), points.end(), newerFirst);
    return points;
}

std::optional<std::string> RestorePoints::add(const DateTime& time, RestoreOperation operation,
                                              std::string_view unitName,
                                              std::string_view ignText) const {
    if (!isValidDateTime(time)) return std::nullopt;
    std::error_code ec;
    fs::create_directories(pathFromUtf8(directory_), ec);

    RestorePoint point{time, 1, operation, unitNameForFiles(unitName), {}};
    for (const RestorePoint& existing : list())
        if (existing.time == time) point.sequence = std::max(point.sequence, existing.sequence + 1);
    if (point.sequence > kMaxSequence) return std::nullopt;
    const std::string path = joinPath(directory_, restorePointFileName(point));
    if (!writeFileAtomically(path, ignText)) return std::nullopt;
    prune(path);
    return path;
}

void RestorePoints::prune(const std::string& written) const {
    // The point just written stays even when the others are dated later (a
    // clock that was set wrong): it takes one of the places.
    std::size_t others = 0;
    for (const RestorePoint& point : list()) {
        if (point.path == written || ++others < keep_) continue;
        std::error_code ec;
        fs::remove(pathFromUtf8(point.path), ec);
    }
}

}  // namespace tz
