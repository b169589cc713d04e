// The dialogs of comparing the window's settings with the unit or a file and
// of opening a restore point, as plain data with every text already in the
// window's language; the toolkit shows them, tests script them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tz::presenter {

// One value that differs: its name and the value on each side, in the
// units of a .ign file.
struct DifferenceRow {
    std::string name;
    std::string window;
    std::string other;
};

// The differences of one page of the window, in file order.
struct DifferenceGroup {
    std::string page;
    std::vector<DifferenceRow> rows;
};

struct ComparisonGridCell {
    std::string text;  // the window's value; "window → other" where they differ
    bool differs = false;
};

// The advance map (its RPM axis in the first row) or the servo curve, laid
// out as the window shows it.
struct ComparisonGrid {
    std::string title;
    std::vector<std::string> rowHeaders;
    std::vector<std::string> columnHeaders;
    std::vector<std::vector<ComparisonGridCell>> cells;  // [row][column]
};

enum class ComparisonChoice {
    KeepWindow,   // close; the window keeps its values
    TakeOther,    // the other side's values into the window (one undo step)
    ProgramUnit,  // program the unit with the window's values
};

struct ComparisonModel {
    std::string title;
    std::string summary;  // how many values differ, or that none does
    std::string settingHeader;
    std::string windowHeader;
    std::string otherHeader;
    std::string differencesTab;
    std::vector<DifferenceGroup> groups;  // in the window's page order; empty when equal
    std::string legend;                   // how the grids mark differing cells
    std::vector<ComparisonGrid> grids;    // the advance map and the servo curve
    // Button captions ("&" marks the access key). Without differences only
    // `close` is offered; `programUnit` is empty for a file comparison.
    std::string takeOther;
    std::string keepWindow;
    std::string programUnit;
    std::string close;
};

struct RestorePointRow {
    std::string time;  // "2026-12-10 04:30:00"
    std::string operation;
    std::string unit;
    std::string sameAsWindow;  // "yes" / "no" in the window's language
    bool same = false;
};

struct RestorePointListModel {
    std::string title;
    std::string folder;  // where the points are kept
    std::string timeHeader;
    std::string operationHeader;
    std::string unitHeader;
    std::string sameHeader;
    std::vector<RestorePointRow> rows;  // newest first
    std::string empty;                  // shown instead of an empty list
    std::string open;
    std::string close;
};

class ComparisonDialogs {
  public:
    virtual ~ComparisonDialogs() = default;
    // Shows the differences modally; closing the dialog keeps the window's
    // values.
    virtual ComparisonChoice showComparison(const ComparisonModel& model) = 0;
    // The row of the restore point to open, or nothing.
    virtual std::optional<std::size_t> chooseRestorePoint(const RestorePointListModel& model) = 0;
    // A modal question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
};

}  // namespace tz::presenter
