// The real window's status bar: each panel shows its whole text and none is
// drawn over its neighbour, in every language.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>

#include "design/window_design.h"
#include "shown_window.h"
#include "texts/language.h"

namespace tz::gui {
namespace {

using StatusBarPanels = tz::testing::ShownWindow;

TEST_F(StatusBarPanels, FitTheirTextsWithoutOverlapInEachLanguage) {
    QStatusBar& bar = *program->window().statusBar();
    for (texts::Language language : texts::kAllLanguages) {
        SCOPED_TRACE(texts::languageIndex(language));
        program->logic().setLanguage(static_cast<std::uint8_t>(texts::languageIndex(language)));
        program->binding().sync();
        bar.layout()->activate();
        const QList<QLabel*> panels =
            bar.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_GE(panels.size(), 2);
        for (qsizetype i = 0; i + 1 < panels.size(); ++i)
            EXPECT_LE(panels[i]->geometry().right(), panels[i + 1]->geometry().left())
                << panels[i]->text().toStdString();
        EXPECT_LE(panels.last()->geometry().right(), bar.width());

        // With the room the design gives it, every panel shows its whole text.
        bar.resize(design::kClientWidth, bar.height());
        bar.layout()->activate();
        for (const QLabel* panel : panels) {
            const int textWidth =
                panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 4;
            EXPECT_GE(panel->width(), textWidth) << panel->text().toStdString();
        }
        bar.resize(program->window().width(), bar.height());
    }
}

}  // namespace
}  // namespace tz::gui
