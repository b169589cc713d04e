// The about box: maker, build date and time and the protocol version, on
// white, closed by "OK" or the close box.
#pragma once

#include <QDialog>

#include "presenter/about_box.h"

namespace tz::gui {

class AboutDialog : public QDialog {
  public:
    AboutDialog(const AboutContent& content, QWidget* parent);
};

}  // namespace tz::gui
