#include "gui/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

namespace tz::gui {

bool saveScreenshot(QWidget& widget, const QString& path) {
    return widget.grab().save(path, "PNG");
}

void UnattendedDialogs::fail(std::string_view text) {
    if (!text.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    failed_ = true;
    QCoreApplication::exit(1);
}

void UnattendedDialogs::showMessage(std::string_view text) {
    fail(text);
}

void UnattendedDialogs::showError(std::string_view text) {
    fail(text);
}

Answer UnattendedDialogs::askYesNoCancel(std::string_view text) {
    fail(text);
    return Answer::Cancel;
}

std::size_t UnattendedDialogs::askChoice(std::string_view text,
                                         const std::vector<std::string>& buttons) {
    fail(text);
    return buttons.empty() ? 0 : buttons.size() - 1;
}

std::optional<std::string> UnattendedDialogs::openFile(const FileDialogRequest&) {
    fail({});
    return std::nullopt;
}

std::optional<std::string> UnattendedDialogs::saveFile(const FileDialogRequest&) {
    fail({});
    return std::nullopt;
}

}  // namespace tz::gui
