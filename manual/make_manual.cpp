// Renders one HTML manual into an A4 PDF with page numbers in the footer:
//
//     tz_make_manual IN.html OUT.pdf
//
// The HTML is read as UTF-8 and laid out by the toolkit's rich-text engine,
// so it may use what that engine understands: headings, paragraphs, lists,
// tables, pictures and a simple style sheet. A picture's file name is taken
// relative to the HTML file; a picture that cannot be read fails the run. It
// runs without a display under the offscreen platform.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

namespace {

// Dots per inch of the PDF layout.
constexpr int kResolution = 300;
// Page margins: left, top, right, bottom.
constexpr QMarginsF kMarginsMm{18.0, 15.0, 18.0, 10.0};
// The footer lies between the text and the bottom margin; its rule is drawn
// a little below the text.
constexpr double kFooterMm = 10.0;
constexpr double kFooterGapMm = 3.0;
constexpr const char* kBodyFont = "DejaVu Sans";
constexpr double kBodyPointSize = 9.5;
constexpr double kFooterPointSize = 8.0;
// Space below a table, in the pixels of the style sheet.
constexpr double kTableGapPx = 8.0;

int mmToDots(double mm) {
    return static_cast<int>(mm / 25.4 * kResolution + 0.5);
}

// The rich-text engine ignores CSS margins of tables, so every table of the
// main flow gets a little space below it, as a paragraph has.
void spaceBelowTables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) continue;
        QTextTableFormat format = table->format();
        format.setBottomMargin(kTableGapPx);
        table->setFormat(format);
    }
}

void complain(const QString& text) {
    QTextStream(stderr) << "tz_make_manual: " << text << '\n';
}

// The pictures the document names but cannot load.
QStringList missingPictures(const QTextDocument& document) {
    QStringList missing;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QString name = format.toImageFormat().name();
            if (document.resource(QTextDocument::ImageResource, QUrl(name)).isNull())
                missing.append(name);
        }
    }
    return missing;
}

// The page number as "n / N", centred under a thin rule.
void drawFooter(QPainter& painter, const QRectF& footer, int page, int pageCount) {
    painter.save();
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), mmToDots(0.2)));
    painter.drawLine(footer.topLeft(), footer.topRight());
    QFont font(kBodyFont);
    font.setPointSizeF(kFooterPointSize);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(page).arg(pageCount));
    painter.restore();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown on screen, so no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        complain(QStringLiteral("usage: tz_make_manual IN.html OUT.pdf"));
        return 64;
    }
    const QString inPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);

    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(inPath, in.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(in.readAll());

    QPdfWriter writer(outPath);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("tz_make_manual"));

    QTextDocument document;
    // Sizes in points and pixels are taken for the PDF's resolution.
    document.documentLayout()->setPaintDevice(&writer);
    QFont bodyFont(kBodyFont);
    bodyFont.setPointSizeF(kBodyPointSize);
    document.setDefaultFont(bodyFont);
    document.setDocumentMargin(0);
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(inPath).absoluteFilePath()));
    document.setHtml(html);
    if (const QStringList missing = missingPictures(document); !missing.isEmpty()) {
        complain(
            QStringLiteral("cannot read the pictures %1").arg(missing.join(QStringLiteral(", "))));
        return 1;
    }
    spaceBelowTables(document);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));

    const QRect paper = writer.pageLayout().paintRectPixels(kResolution);
    const QSizeF body(paper.width(), paper.height() - mmToDots(kFooterMm));
    document.setPageSize(body);
    const int pageCount = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) {
        complain(QStringLiteral("cannot write %1").arg(outPath));
        return 1;
    }
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) writer.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
        painter.restore();
        const QRectF footer(0, body.height() + mmToDots(kFooterGapMm), body.width(),
                            mmToDots(kFooterMm - kFooterGapMm));
        drawFooter(painter, footer, page + 1, pageCount);
    }
    if (!painter.end()) {
        complain(QStringLiteral("cannot finish %1").arg(outPath));
        return 1;
    }
    return 0;
}
