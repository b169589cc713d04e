#include "gui/desktop_service.h"

#include <QDate>
#include <QDesktopServices>
#include <QLocale>
#include <QTime>
#include <QUrl>

#include "gui/about_dialog.h"

namespace tz::gui {

bool QtDesktop::openDocument(const std::string& fileName) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fileName)));
}

void QtDesktop::showAbout(const AboutContent& content) {
    AboutDialog dialog(content, &parent_);
    dialog.exec();
}

std::string QtClock::shortDate() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::longTime() const {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

}  // namespace tz::gui
