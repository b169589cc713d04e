#include "gui/about_dialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace tz::gui {

namespace {

constexpr int kWidth = 273;
constexpr int kHeight = 368;

QFont pixelFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The maker's mark: a red spark over the name.
QPixmap logo() {
    QPixmap pixmap(161, 81);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 20));
    const QPointF spark[] = {{70, 4}, {96, 4}, {80, 30}, {100, 30}, {58, 72}, {70, 40}, {52, 40}};
    p.drawPolygon(spark, 7);
    p.setPen(QColor(30, 30, 30));
    p.setFont(pixelFont(22, true));
    p.drawText(QRect(0, 44, 161, 37), Qt::AlignCenter, QStringLiteral("KORVANEX"));
    return pixmap;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// "OK" is a label that closes the box when clicked.
class ExitLabel : public QLabel {
  public:
    ExitLabel(QDialog* dialog) : QLabel(QStringLiteral("OK"), dialog), dialog_(dialog) {
        setFont(pixelFont(23, true));
        setCursor(Qt::PointingHandCursor);
        move(208, 331);
        adjustSize();
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) dialog_->accept();
    }

  private:
    QDialog* dialog_;
};

}  // namespace

AboutDialog::AboutDialog(const AboutContent& content, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(content.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(logo());
    picture->setGeometry(32, 24, 161, 81);

    const QFont big = pixelFont(16);
    label(this, QStringLiteral("KORVANEX"), 32, 132, pixelFont(16, true));
    const QString contacts[] = {
        QStringLiteral("Ignition systems"),     QStringLiteral("for motorcycle engines"),
        QStringLiteral("Workshop and support"), QStringLiteral("service@korvanex.example"),
        QStringLiteral("www.korvanex.example"),
    };
    const int contactTops[] = {157, 182, 207, 243, 268};
    for (int i = 0; i < 5; ++i) label(this, contacts[i], 32, contactTops[i], big);

    const QFont small = pixelFont(11);
    label(this, QString::fromStdString(content.buildDate), 32, 305, small);
    label(this, QString::fromStdString(content.buildTime), 32, 327, small);
    label(this, QString::fromStdString(content.version), 32, 346, small);
    new ExitLabel(this);
}

}  // namespace tz::gui
