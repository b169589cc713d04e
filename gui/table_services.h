// The table tools' desktop services made with Qt: the system clipboard and
// the dialog that asks for one number.
#pragma once

#include <QDialog>

#include "presenter/table_services.h"

class QDoubleSpinBox;

namespace tz::gui {

class QtClipboard : public Clipboard {
  public:
    std::string text() const override;
    void setText(std::string_view text) override;
};

// The number dialog: the prompt over a number box with the request's limits
// and decimals, and OK and Cancel buttons with the request's texts. The
// number is selected, so that typing replaces it; Enter accepts.
class NumberBox : public QDialog {
  public:
    NumberBox(const NumberRequest& request, QWidget* parent);
    double value() const;
    QDoubleSpinBox& numberField() const { return *number_; }

  private:
    QDoubleSpinBox* number_;
};

// Shows a NumberBox modally over the main window.
class QtNumberDialog : public NumberDialog {
  public:
    explicit QtNumberDialog(QWidget& parent) : parent_(parent) {}
    std::optional<double> askNumber(const NumberRequest& request) override;

  private:
    QWidget& parent_;
};

}  // namespace tz::gui
