// The settings check's dialog with Qt widgets: the note, the list of
// findings and the buttons to program anyway, cancel or go to a value.
#pragma once

#include <QDialog>

#include "presenter/check_dialog.h"

class QListWidget;

namespace tz::gui {

class CheckDialog : public QDialog {
  public:
    // Child widgets tests look for: QListWidget "findings", QPushButtons
    // "programAnyway", "cancel" and "goToCell".
    CheckDialog(const presenter::CheckModel& model, QWidget* parent);
    presenter::CheckChoice choice() const { return choice_; }

  private:
    void goToSelected();

    QListWidget* list_ = nullptr;
    presenter::CheckChoice choice_;
};

class QtCheckDialogs : public presenter::CheckDialogs {
  public:
    explicit QtCheckDialogs(QWidget& parent) : parent_(parent) {}
    presenter::CheckChoice showCheck(const presenter::CheckModel& model) override;

  private:
    QWidget& parent_;
};

}  // namespace tz::gui
