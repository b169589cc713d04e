// The dialog of the settings check before programming, as plain data with
// every text in the window's language; the toolkit shows it, tests script it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tz::presenter {

struct CheckModel {
    std::string title;
    std::string note;  // how many findings, and the question
    std::vector<std::string> findings;
    // Button captions ("&" marks the access key).
    std::string programAnyway;
    std::string cancel;
    std::string goToCell;
};

struct CheckChoice {
    enum class Action { Cancel, ProgramAnyway, GoTo };
    Action action = Action::Cancel;
    std::size_t finding = 0;  // GoTo: the row of the finding
};

class CheckDialogs {
  public:
    virtual ~CheckDialogs() = default;
    // Shows the findings modally; closing the dialog cancels.
    virtual CheckChoice showCheck(const CheckModel& model) = 0;
};

}  // namespace tz::presenter
