// What the table tools need from the desktop: the clipboard, and a small
// dialog that asks for one number. The presenter fills the dialog's texts in
// the current language; the toolkit only shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tz {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's plain text, empty when it holds none.
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

struct NumberRequest {
    std::string title;   // the window title: the command's name
    std::string prompt;  // the line above the number, with its unit
    double initial = 0;
    double minimum = 0;
    double maximum = 0;
    int decimals = 0;  // digits after the decimal mark the user may type
    std::string okText;
    std::string cancelText;

    bool operator==(const NumberRequest&) const = default;
};

class NumberDialog {
  public:
    virtual ~NumberDialog() = default;
    // A modal dialog; the number within the request's limits, or nothing when
    // the user cancelled.
    virtual std::optional<double> askNumber(const NumberRequest& request) = 0;
};

}  // namespace tz
