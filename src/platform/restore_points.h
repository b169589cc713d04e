// Restore points: the settings as a .ign file, kept after every read from
// and every program of the unit and before a program overwrites the unit,
// so that earlier settings can be opened again. One file per point, named
// after its time, its operation and the unit.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tz {

enum class RestoreOperation : std::uint8_t { Read, Program, BeforeProgram };

// "read", "program", "before-program": the word in file names and listings.
std::string_view operationWord(RestoreOperation operation);

// A date and time to the second, as the user's clock shows it.
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;
};

// The local date and time of a clock reading.
DateTime localDateTime(std::time_t when);
// Years 0..9999 and the usual ranges of the other fields (second 60 for a
// leap second); the day is not checked against the month.
bool isValidDateTime(const DateTime& time);
// "2026-12-10 16:42:07": the form in listings.
std::string dateTimeText(const DateTime& time);

struct RestorePoint {
    DateTime time;
    int sequence = 1;  // 1 for the first point of its second, then 2, 3, ...
    RestoreOperation operation = RestoreOperation::Read;
    std::string unit;  // as it stands in the file name
    std::string path;  // set by RestorePoints::list
};

// The unit's name made safe for a file name: surrounding blanks dropped,
// ASCII letters, digits, '-' and '_' kept, any other byte replaced by '_',
// at most kMaxUnitNameLength characters; "unknown" when nothing is left.
inline constexpr std::size_t kMaxUnitNameLength = 30;
std::string unitNameForFiles(std::string_view unitName);

// "YYYYMMDD-HHMMSS-OPERATION-UNIT.ign"; a later point of the same second has
// its sequence after the time: "YYYYMMDD-HHMMSS-2-OPERATION-UNIT.ign". The
// unit must be a name that unitNameForFiles returns.
std::string restorePointFileName(const RestorePoint& point);
// The time, sequence, operation and unit of a file name that
// restorePointFileName writes; nothing for every other name.
std::optional<RestorePoint> parseRestorePointFileName(std::string_view name);

// $XDG_DATA_HOME/tz_arko5/restore-points (~/.local/share/... by default).
std::string restorePointDirectory();

inline constexpr std::size_t kRestorePointsKept = 1000;

// The restore points of one directory. Files whose names are not restore
// point names are never listed, touched or removed.
class RestorePoints {
  public:
    explicit RestorePoints(std::string directory, std::size_t keep = kRestorePointsKept);

    // Newest first: by time, then by sequence, then by name.
    std::vector<RestorePoint> list() const;

    // Writes the .ign text as a new point atomically, creating the directory
    // when needed; a point of a second that already has points gets the next
    // sequence, so that none is overwritten. Then removes the oldest points
    // beyond the newest `keep`, the new point counted among them wherever its
    // time sorts (at least the new one is kept). The path written, or nothing
    // when the time is not valid or the file cannot be written.
    std::optional<std::string> add(const DateTime& time, RestoreOperation operation,
                                   std::string_view unitName, std::string_view ignText) const;

  private:
    void prune(const std::string& written) const;

    std::string directory_;
    std::size_t keep_;
};

}  // namespace tz
