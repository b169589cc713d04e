// The comparison and restore point dialogs with Qt widgets: a list of the
// differences by page and the advance map and servo curve as tables whose
// differing cells are marked, and a table of the restore points.
#pragma once

#include <QDialog>
#include <optional>

#include "presenter/comparison_dialogs.h"

class QTableWidget;

namespace tz::gui {

class ComparisonDialog : public QDialog {
  public:
    // Child widgets tests look for: QTreeWidget "differences", QTableWidget
    // "grid0" (advance map) and "grid1" (servo curve), QPushButtons
    // "takeOther", "keepWindow", "programUnit" and "close".
    ComparisonDialog(const presenter::ComparisonModel& model, QWidget* parent);
    presenter::ComparisonChoice choice() const { return choice_; }

  private:
    void choose(presenter::ComparisonChoice choice);

    presenter::ComparisonChoice choice_ = presenter::ComparisonChoice::KeepWindow;
};

class RestorePointDialog : public QDialog {
  public:
    // Child widgets: QTableWidget "points", QPushButtons "open" and "close".
    RestorePointDialog(const presenter::RestorePointListModel& model, QWidget* parent);
    std::optional<std::size_t> chosen() const { return chosen_; }

  private:
    void openSelected();

    QTableWidget* table_ = nullptr;
    std::optional<std::size_t> chosen_;
};

class QtComparisonDialogs : public presenter::ComparisonDialogs {
  public:
    explicit QtComparisonDialogs(QWidget& parent) : parent_(parent) {}
    presenter::ComparisonChoice showComparison(const presenter::ComparisonModel& model) override;
    std::optional<std::size_t> chooseRestorePoint(
        const presenter::RestorePointListModel& model) override;
    bool askYesNo(std::string_view text) override;

  private:
    QWidget& parent_;
};

}  // namespace tz::gui
