// What the session knows the unit to hold, through reads, edits, programming,
// verifies, comparisons, failures and another unit on the line.
#include <gtest/gtest.h>

#include "session_image.h"
#include "session_with_unit.h"

namespace tz::session {
namespace {

using testing::SessionWithUnit;
using testing::unitPages;

// The unit's pages as a read repairs them: what a unit holds after a read
// that verified.
Image repairedUnitPages() {
    ParamState repaired = firstStartState();
    repaired.image = unitPages();
    repaired.normalise();
    return repaired.image;
}

class UnitState : public SessionWithUnit {
  protected:
    UnitMatch match() const { return session.unitState().match; }
    // Another unit (or the same one changed by another program) on the line.
    void replaceUnit(const std::string& name, const Image& stored) {
        sim::UnitConfig config;
        config.identity.name = name;
        config.stored = stored;
        config.savingMs = 0;
        model = std::make_unique<sim::UnitModel>(config);
    }
    void edit(int byte, std::uint8_t value) {
        tz::testing::changeImage(session, [&](Image& im) { im[byte] = value; });
        session.normalise();
        session.record();
    }
};

TEST_F(UnitState, FollowsReadEditProgramAndVerify) {
    EXPECT_EQ(match(), UnitMatch::NotKnown);
    replaceUnit("TZA05", repairedUnitPages());
    run(session.read());
    EXPECT_EQ(match(), UnitMatch::Same);

    edit(advanceCell(1, 1), 12);
    edit(field::LIMITER_RPM, 100);
    const session::UnitState& differs = session.unitState();
    ASSERT_EQ(differs.match, UnitMatch::Differs);
    ASSERT_EQ(differs.differences.size(), 2u);
    EXPECT_EQ(differs.differences[0].byte, field::LIMITER_RPM);
    EXPECT_EQ(differs.differences[1].byte, advanceCell(1, 1));

    // Back to what the unit holds: the same again without a transfer.
    session.undo();
    session.undo();
    EXPECT_EQ(match(), UnitMatch::Same);
    session.redo();
    EXPECT_EQ(match(), UnitMatch::Differs);

    run(session.program());
    EXPECT_EQ(match(), UnitMatch::Same);
    EXPECT_EQ(*session.unitImage(), model->stored());

    // Another program changed the unit; a verify finds that out.
    replaceUnit("TZA05", unitPages());
    run(session.verify());
    EXPECT_EQ(match(), UnitMatch::NotKnown);
    replaceUnit("TZA05", session.image());
    run(session.verify());
    EXPECT_EQ(match(), UnitMatch::Same);
}

TEST_F(UnitState, AComparisonAndABackupTellWhatTheUnitHolds) {
    run(session.readUnitForComparison());
    EXPECT_EQ(*session.unitImage(), unitPages());
    EXPECT_EQ(match(), UnitMatch::Differs);
    session.takeUnitPages();
    EXPECT_EQ(match(), UnitMatch::Same);

    // A backup that is read but cannot be kept programs nothing: the unit
    // holds what was read.
    ASSERT_TRUE(writeFileAtomically(points, "not a folder"));
    replaceUnit("TZA05", firstStartState().image);
    session.setBackupBeforeProgram(true);
    run(session.program());
    EXPECT_EQ(*session.unitImage(), firstStartState().image);
    EXPECT_EQ(match(), UnitMatch::Differs);
}

TEST_F(UnitState, FailuresAndAnotherUnit) {
    struct Case {
        const char* name;
        const Events& (Session::*command)();
        std::uint8_t unanswered;  // the request the unit leaves unanswered
        const char* unit;         // the unit on the line from then on
        UnitMatch after;
    };
    const Case cases[] = {
        {"program refused at the info page", &Session::program, 0x00, "TZA05", UnitMatch::Differs},
        {"program failed after sending", &Session::program, 0x02, "TZA05", UnitMatch::NotKnown},
        {"same unit back, read failed", &Session::read, 0x42, "TZA05", UnitMatch::Differs},
        {"other unit, read failed", &Session::read, 0x42, "TZB07", UnitMatch::NotKnown},
        {"other unit, read", &Session::read, 0xFF, "TZB07", UnitMatch::Same},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        replaceUnit("TZA05", repairedUnitPages());
        unanswered = 0xFF;
        run(session.read());
        edit(advanceCell(3, 3), 15);
        ASSERT_EQ(match(), UnitMatch::Differs);

        replaceUnit(c.unit, repairedUnitPages());
        unanswered = c.unanswered;
        run((session.*c.command)());
        EXPECT_EQ(match(), c.after);
    }
}

}  // namespace
}  // namespace tz::session
