#include "gui/print_service.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "print/fit_to_page.h"

namespace tz::gui {

namespace {

// Draws the picture at the top left of the printable area, fitted to it.
void drawFitted(QPainter& painter, const QPixmap& picture, const QRect& page) {
    const PrintSize size =
        fitToPage(picture.width(), picture.height(), page.width(), page.height());
    painter.drawPixmap(QRect(page.topLeft(), QSize(size.width, size.height)), picture);
}

}  // namespace

QtPrinter::QtPrinter(std::function<QWidget*()> surface) : surface_(std::move(surface)) {}

QString QtPrinter::pdfPathForJob(const QString& configured, int job) {
    if (job <= 1) return configured;
    const QString suffix = QStringLiteral("-%1").arg(job);
    if (configured.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return configured.left(configured.size() - 4) + suffix + configured.right(4);
    return configured + suffix;
}

std::optional<std::string> QtPrinter::printWindowImage() {
    QWidget* widget = surface_();
    if (!widget) return std::string("Nothing to print");
    const QPixmap picture = widget->grab();
    ++jobs_;

    const QString pdf = qEnvironmentVariable("TZ_ARKO5_PRINT_TO");
    if (!pdf.isEmpty()) {
        QPdfWriter writer(pdfPathForJob(pdf, jobs_));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("TZ_ARKO5"));
        QPainter painter;
        if (!painter.begin(&writer))
            return "Cannot write " + pdfPathForJob(pdf, jobs_).toStdString();
        drawFitted(painter, picture, QRect(QPoint(0, 0), QSize(writer.width(), writer.height())));
        painter.end();
        return std::nullopt;
    }

    if (QPrinterInfo::defaultPrinter().isNull()) return std::string("No default printer");
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("TZ_ARKO5"));
    QPainter painter;
    if (!painter.begin(&printer)) return std::string("The printer could not be opened");
    drawFitted(painter, picture, QRect(QPoint(0, 0), QSize(printer.width(), printer.height())));
    if (!painter.end()) return std::string("The print job failed");
    return std::nullopt;
}

}  // namespace tz::gui
