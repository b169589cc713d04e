#include "gui/status_bar.h"

#include <algorithm>

#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>

#include "gui/conversions.h"

namespace tz::gui {

namespace {

// A panel asks for the width the design gives it, or more when its text needs
// it, and gives way down to its text when the bar is short: fixed-width panels
// that do not fit are drawn over each other.
class Panel final : public QLabel {
  public:
    Panel(QStatusBar& bar, std::function<void()> clicked)
        : QLabel(&bar), clicked_(std::move(clicked)) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    void setDesignedWidth(int width) {
        if (width == designedWidth_) return;
        designedWidth_ = width;
        updateGeometry();
    }

    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(designedWidth_, text.width()), text.height()};
    }
    // A short bar takes room from the panels' blank space before their texts.
    QSize minimumSizeHint() const override { return QLabel::sizeHint(); }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
    }

  private:
    std::function<void()> clicked_;
    int designedWidth_ = 0;
};

QList<Panel*> panels(QStatusBar& bar) {
    return bar.findChildren<Panel*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void mirrorStatusBar(const ui::Control& control, QStatusBar& bar,
                     const std::function<void(int panel)>& clicked) {
    // The font first: the panels' widths follow their texts in it.
    bar.setFont(toQFont(control.font));
    QList<Panel*> labels = panels(bar);
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
        Panel& label = *labels[i];
        label.setText(toQString(control.items[n]));
        label.setDesignedWidth(n < control.panelWidths.size() ? control.panelWidths[n] : 0);
        label.setMaximumWidth(label.sizeHint().width());
        const ui::Align align =
            n < control.panelAlignments.size() ? control.panelAlignments[n] : ui::Align::Left;
        label.setAlignment(toQtAlignment(align) | Qt::AlignVCenter);
        label.setToolTip(n < control.panelHints.size() ? toQString(control.panelHints[n])
                                                       : QString());
    }
    if (control.bounds.height > 0) bar.setFixedHeight(control.bounds.height);
    bar.setVisible(control.visible);
}

}  // namespace tz::gui
