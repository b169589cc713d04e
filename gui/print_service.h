// Printing a picture of the window: on the default printer, or into PDF files
// when the environment variable TZ_ARKO5_PRINT_TO names one. Then the first
// job of the run writes that file and every later job the same name with
// "-2", "-3", ... before ".pdf", one page per job.
#pragma once

#include <QString>
#include <functional>

#include "presenter/services.h"

class QWidget;

namespace tz::gui {

class QtPrinter : public Printer {
  public:
    // `surface` gives the widget whose picture is printed, brought up to
    // date with the model.
    explicit QtPrinter(std::function<QWidget*()> surface);

    std::optional<std::string> printWindowImage() override;

    // The file of the n-th job (1-based) for a configured PDF path.
    static QString pdfPathForJob(const QString& configured, int job);

  private:
    std::function<QWidget*()> surface_;
    int jobs_ = 0;
};

}  // namespace tz::gui
