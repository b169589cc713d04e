// What screen readers learn about the real window: every input and button
// has a name, in each language, through Qt's accessibility interfaces.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMainWindow>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "gui/control_widgets.h"
#include "shown_window.h"
#include "texts/language.h"

namespace tz::gui {
namespace {

using SpokenNames = tz::testing::ShownWindow;

bool offeredToTheUser(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ButtonMenu:
            return true;
        default:
            return false;
    }
}

// The widgets of the window that offer input but have no name, as
// "objectName (role)", their parent's name when they have none.
std::vector<std::string> unnamed(QMainWindow& window) {
    std::vector<std::string> missing;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // Qt's own parts, such as the menu bar's overflow button.
        if (widget->objectName().startsWith(QStringLiteral("qt_"))) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || !offeredToTheUser(face->role())) continue;
        // On X11 a combo box speaks its value as its name: its own name is
        // the widget's.
        const QString name = face->role() == QAccessible::ComboBox ? widget->accessibleName()
                                                                   : face->text(QAccessible::Name);
        if (!name.trimmed().isEmpty()) continue;
        QString who = widget->objectName();
        if (who.isEmpty() && widget->parentWidget())
            who = QStringLiteral("in ") + widget->parentWidget()->objectName();
        missing.push_back(who.toStdString() + " (" + std::to_string(face->role()) + ")");
    }
    return missing;
}

QString spokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face->role() == QAccessible::ComboBox ? widget->accessibleName()
                                                 : face->text(QAccessible::Name);
}

TEST_F(SpokenNames, EveryInputAndButtonIsNamedInEachLanguage) {
    const ui::ControlModel& model = program->logic().controls();
    constexpr std::array<const char*, texts::kLanguageCount> kMenuItems{"MenuEnglish", "MenuGerman",
                                                                        "MenuFrench", "MenuCzech"};
    for (texts::Language language : texts::kAllLanguages) {
        SCOPED_TRACE(texts::languageIndex(language));
        program->binding()
            .action(model.id(ui::ControlName{kMenuItems[texts::languageIndex(language)]}))
            ->trigger();
        program->binding().sync();
        const std::vector<std::string> missing = unnamed(program->window());
        EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
    }
}

struct NameCase {
    const char* control;
    texts::Language language;
    const char* name;
};

// An edit box by its label, a map cell by its throttle row and its column's
// speed, a toolbar picture by its menu item, a check box by its channel and
// column, and the arrows of an up/down by their edit box.
TEST_F(SpokenNames, NamesComeFromLabelsHeadersAndMenuItems) {
    const ui::ControlModel& model = program->logic().controls();
    const std::vector<NameCase> cases{
        {"EditOmez2", texts::Language::English, "Limiter [rpm]"},
        {"EditOmez2", texts::Language::German, "Drehzahlbegrenzer [U/min]"},
        {"Edit50", texts::Language::English, "0% 1000 RPM"},
        {"SpeedButtonOpen", texts::Language::Czech, "Otevřít"},
        {"CheckBoxPalec2EndP2", texts::Language::English, "Channel 2 Start advance 2nd Pick-up"},
        {"ComboBoxNasobekPalcu", texts::Language::French, "Allumages par tour"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.control);
        program->logic().setLanguage(static_cast<std::uint8_t>(c.language));
        program->binding().sync();
        EXPECT_EQ(spokenName(program->binding().widget(model.id(ui::ControlName{c.control}))),
                  QString::fromUtf8(c.name));
    }

    program->logic().setLanguage(0);
    auto* arrows =
        qobject_cast<ArrowPair*>(program->binding().widget(model.id(ui::ControlName{"UpDown50"})));
    ASSERT_NE(arrows, nullptr);
    program->binding().sync();
    EXPECT_EQ(spokenName(arrows->upButton()), QStringLiteral("Increase 0% 1000 RPM"));
    EXPECT_EQ(spokenName(arrows->downButton()), QStringLiteral("Decrease 0% 1000 RPM"));
}

}  // namespace
}  // namespace tz::gui
