#include "gui/page_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace tz::gui {

namespace {

void turn(QTabWidget* tabs, int direction) {
    if (tabs == nullptr || !tabs->isVisible()) return;
    const int count = tabs->count();
    for (int step = 1; step < count; ++step) {
        const int index = ((tabs->currentIndex() + direction * step) % count + count) % count;
        if (tabs->isTabVisible(index) && tabs->isTabEnabled(index)) {
            tabs->setCurrentIndex(index);
            return;
        }
    }
}

}  // namespace

void installPageKeys(QWidget& window, std::function<QTabWidget*()> pages) {
    struct Key {
        QKeySequence sequence;
        int direction;
    };
    const Key keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const Key& key : keys) {
        auto* shortcut = new QShortcut(key.sequence, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [pages, direction = key.direction] { turn(pages(), direction); });
    }
}

}  // namespace tz::gui
