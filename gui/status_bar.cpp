#include "gui/status_bar.h"

#include <QLabel>
#include <QStatusBar>

#include "gui/conversions.h"

namespace tz::gui {

namespace {

QList<QLabel*> panels(QStatusBar& bar) {
    return bar.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void mirrorStatusBar(const ui::Control& control, QStatusBar& bar) {
    QList<QLabel*> labels = panels(bar);
    const auto count = static_cast<qsizetype>(control.items.size());
    while (labels.size() > count) delete labels.takeLast();
    while (labels.size() < count) {
        auto* label = new QLabel(&bar);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        bar.addWidget(label);
        labels.append(label);
    }
    for (qsizetype i = 0; i < count; ++i) {
        const auto n = static_cast<std::size_t>(i);
        QLabel& label = *labels[i];
        label.setText(toQString(control.items[n]));
        if (n < control.panelWidths.size()) label.setFixedWidth(control.panelWidths[n]);
        const ui::Align align =
            n < control.panelAlignments.size() ? control.panelAlignments[n] : ui::Align::Left;
        label.setAlignment(toQtAlignment(align) | Qt::AlignVCenter);
    }
    if (control.bounds.height > 0) bar.setFixedHeight(control.bounds.height);
    bar.setFont(toQFont(control.font));
    bar.setVisible(control.visible);
}

}  // namespace tz::gui
