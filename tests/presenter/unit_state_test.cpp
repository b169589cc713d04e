// The window against what the unit holds: the status bar's field, the
// markers on the values that differ, the question before closing, and a
// serial device the user may not open.
#include <algorithm>

#include "design/window_design.h"
#include "params/editor_rules.h"
#include "unit_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowWithUnit;

// The unit holds what a programming run of the first start leaves in it.
sim::UnitConfig programmedUnit() {
    ParamState s = firstStartState();
    ApplyEditorRules(s.image);
    s.normalise();
    sim::UnitConfig config;
    config.stored = s.image;
    return config;
}

class UnitState : public WindowWithUnit {
  protected:
    presenter::WindowPresenter& startAndRead() {
        presenter::WindowPresenter& w = startWithUnit(programmedUnit());
        tick(12);
        w.clicked(id("MenuRead"));
        EXPECT_TRUE(tickUntilIdle());
        tick();
        return w;
    }
    std::string field() const {
        return window->controls()["StatusBar1"].items[design::kUnitStatePanel];
    }
    std::vector<std::string> marked() {
        std::vector<std::string> names;
        for (ui::ControlId i = 0; i < controls().size(); ++i)
            if (controls().at(i).marked) names.push_back(controls().at(i).name);
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(UnitState, TheFieldAndTheMarkersFollowReadEditAndProgram) {
    startWithUnit(programmedUnit());
    tick();
    EXPECT_EQ(field(), "Unit not known");
    EXPECT_TRUE(marked().empty());

    window->clicked(id("MenuRead"));
    ASSERT_TRUE(tickUntilIdle());
    tick();
    EXPECT_EQ(field(), "Same as the unit");

    typeInto("UpDownOmez2", 10500);
    typeInto("UpDown145", 27);  // a cell of the map's last row
    tick();
    EXPECT_EQ(field(), "Differs from the unit: 2");
    EXPECT_EQ(marked(), (std::vector<std::string>{"Edit145", "EditOmez2"}));
    window->clicked(id("MenuGerman"));
    EXPECT_EQ(field(), "Abweichend von der Zündung: 2");
    window->clicked(id("MenuEnglish"));

    window->clicked(id("MenuProgram"));
    ASSERT_TRUE(tickUntilIdle());
    tick();
    EXPECT_EQ(field(), "Same as the unit");
    EXPECT_TRUE(marked().empty());
    EXPECT_EQ(model->stored()[LIMITER_RPM], 105);

    // A click on the field compares with the unit.
    window->panelClicked(id("StatusBar1"), design::kUnitStatePanel);
    ASSERT_TRUE(tickUntilIdle());
    tick();
    EXPECT_EQ(comparisonDialogs.comparisons.size(), 1u);
}

TEST_F(UnitState, ClosingWhileTheUnitHoldsOtherSettingsAsks) {
    struct Case {
        const char* name;
        std::vector<std::size_t> choices;  // none: the user cannot be asked
        bool closes;
        bool programmed;
    };
    const Case cases[] = {
        {"cancel", {2}, false, false},
        {"close without programming", {1}, true, false},
        {"program and close", {0}, false, true},
        {"no answer possible", {}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startAndRead();
        host.closeRequests = 0;
        dialogs.choiceQuestions.clear();
        dialogs.choices = {c.choices.begin(), c.choices.end()};
        // Typed, not entered: it counts all the same.
        controls().userSetText(control("UpDownOmez2").associate, "10500");

        EXPECT_EQ(window->closeRequested(!c.choices.empty()), c.closes);
        ASSERT_EQ(dialogs.choiceQuestions.size(), c.choices.empty() ? 0u : 1u);
        if (!c.choices.empty()) {
            EXPECT_EQ(dialogs.choiceQuestions[0].text,
                      "The unit holds other settings than the window (values that differ: 1). "
                      "Program the unit before closing?");
            EXPECT_EQ(dialogs.choiceQuestions[0].buttons,
                      (std::vector<std::string>{"&Program the unit and close",
                                                "Close &without programming", "Cancel"}));
        }
        ASSERT_TRUE(tickUntilIdle());
        tick();
        EXPECT_EQ(model->stored()[LIMITER_RPM] == 105, c.programmed);
        // Once programmed, the window closes by itself, and then asks nothing.
        EXPECT_EQ(host.closeRequests, c.programmed ? 1 : 0);
        if (c.programmed) {
            EXPECT_TRUE(window->closeRequested(true));
        }
        window.reset();
    }
}

TEST_F(UnitState, ClosingAsksNothingWhileTheUnitIsTheSameOrNotKnown) {
    startWithUnit(programmedUnit());
    typeInto("UpDownOmez2", 10500);
    EXPECT_TRUE(window->closeRequested(true));
    startAndRead();
    EXPECT_TRUE(window->closeRequested(true));
    EXPECT_TRUE(dialogs.choiceQuestions.empty());
}

TEST_F(UnitState, AProgrammingRunThatFailsLeavesTheWindowOpen) {
    startAndRead();
    typeInto("UpDownOmez2", 10500);
    dialogs.choices = {0};
    line.device(kUnitPath).responder = nullptr;  // the unit went silent
    EXPECT_FALSE(window->closeRequested(true));
    ASSERT_TRUE(tickUntilIdle());
    tick(3);
    EXPECT_EQ(host.closeRequests, 0);
    EXPECT_EQ(window->session().unitState().match, session::UnitMatch::Differs);
    // Asked again, the user is asked again.
    EXPECT_FALSE(window->closeRequested(true));
    EXPECT_EQ(dialogs.choiceQuestions.size(), 2u);
}

TEST_F(UnitState, ADeviceTheUserMayNotOpenIsNamedWithItsRemedy) {
    line.device("/dev/ttyUSB0").deniedGroup = "uucp";
    start();
    const std::string text =
        "No permission to open /dev/ttyUSB0: add your user to the group uucp and log in again";
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{text}));
    EXPECT_EQ(control("MenuCom1").hint, text);

    // The search says it once on the message line; the box is for a choice.
    ports = {"/dev/ttyUSB0", "/dev/ttyS0"};
    line.device("/dev/ttyS0").deniedGroup = "";
    window->clicked(id("MenuCom31"));
    tick(80);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(control("LabelHlaseni").caption.find("No permission to open /dev/tty"), 0u)
        << control("LabelHlaseni").caption;
    EXPECT_EQ(control("MenuCom2").hint,
              "No permission to open /dev/ttyS0: add your user to the group dialout and log in "
              "again");

    window->clicked(id("MenuGerman"));
    window->clicked(id("MenuCom2"));
    EXPECT_EQ(dialogs.messages.back(),
              "Keine Berechtigung, /dev/ttyS0 zu öffnen: Fügen Sie Ihren Benutzer der Gruppe "
              "dialout hinzu und melden Sie sich neu an");
}

}  // namespace
}  // namespace tz
