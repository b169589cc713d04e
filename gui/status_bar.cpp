#include "gui/status_bar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>

#include "gui/conversions.h"

namespace tz::gui {

namespace {

class Panel final : public QLabel {
  public:
    Panel(QStatusBar& bar, std::function<void()> clicked)
        : QLabel(&bar), clicked_(std::move(clicked)) {}

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
    }

  private:
    std::function<void()> clicked_;
};

QList<QLabel*> panels(QStatusBar& bar) {
    return bar.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void mirrorStatusBar(const ui::Control& control, QStatusBar& bar,
                     const std::function<void(int panel)>& clicked) {
    QList<QLabel*> labels = panels(bar);
    const auto count = static_cast<qsizetype>(control.items.size());
    while (labels.size() > count) delete labels.takeLast();
    while (labels.size() < count) {
        const auto panel = static_cast<int>(labels.size());
        auto* label = new Panel(bar, [clicked, panel] { clicked(panel); });
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
        label.setToolTip(n < control.panelHints.size() ? toQString(control.panelHints[n])
                                                       : QString());
    }
    if (control.bounds.height > 0) bar.setFixedHeight(control.bounds.height);
    bar.setFont(toQFont(control.font));
    bar.setVisible(control.visible);
}

}  // namespace tz::gui
