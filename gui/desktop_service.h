// Opening documents with the desktop's viewer, the about box and the clock.
#pragma once

#include "presenter/services.h"

class QWidget;

namespace tz::gui {

class QtDesktop : public Desktop {
  public:
    explicit QtDesktop(QWidget& parent) : parent_(parent) {}
    bool openDocument(const std::string& fileName) override;
    void showAbout(const AboutContent& content) override;

  private:
    QWidget& parent_;
};

// The user's locale's short date and long time.
class QtClock : public Clock {
  public:
    std::string shortDate() const override;
    std::string longTime() const override;
};

}  // namespace tz::gui
