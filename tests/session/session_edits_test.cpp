// The session's typed edits: each repairs the image, records one step, may
// program the unit and reports the settings that changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_with_unit.h"

namespace tz::session {
namespace {

using namespace field;
using testing::count;
using testing::SessionWithUnit;

SettingId at(int byte) {
    return *settingAt(byte);
}

std::vector<SettingId> changed(const Events& events) {
    for (const Event& e : events)
        if (const auto* c = std::get_if<SettingsChanged>(&e)) return c->settings;
    return {};
}

bool contains(const std::vector<SettingId>& settings, int byte) {
    return std::find(settings.begin(), settings.end(), at(byte)) != settings.end();
}

TEST_F(SessionWithUnit, AnEditIsRepairedRecordedAndReportedWithItsSideEffects) {
    session.edit(SettingEdit{at(BIKE), 6});  // the special setup
    const Image before = session.image();
    ASSERT_EQ(before[lobeByte(MAX_ADV_EDGE2, 0)], 0);

    // The 48-2 method takes the lobes' second edges with it.
    const Events events = session.edit(SettingEdit{at(SYNC_METHOD), kSyncTwoPolarities});
    const std::vector<SettingId> settings = changed(events);
    EXPECT_TRUE(contains(settings, SYNC_METHOD));
    EXPECT_TRUE(contains(settings, lobeByte(MAX_ADV_EDGE2, 0)));
    EXPECT_FALSE(contains(settings, BASE_ADV));
    EXPECT_EQ(session.image()[lobeByte(MAX_ADV_EDGE2, 0)], 1);

    // One step back gives the image and the same settings back.
    const Events undone = session.undo();
    EXPECT_EQ(session.image(), before);
    EXPECT_EQ(changed(undone), settings);
    EXPECT_EQ(count<HistoryRestored>(undone), 1);
    EXPECT_TRUE(session.canRedo());
}

TEST_F(SessionWithUnit, AValueOutsideItsRangeIsRepaired) {
    const Events events = session.edit(SettingEdit{at(advanceCell(2, 2)), 75});
    EXPECT_EQ(session.image()[advanceCell(2, 2)], 60);
    EXPECT_TRUE(contains(changed(events), advanceCell(2, 2)));
}

TEST_F(SessionWithUnit, HeldValuesAreRepairedButNotRecorded) {
    session.commit();
    session.resetHistory();
    const Events events = session.hold(CellBlockEdit{{{at(BASE_ADV), 12}, {at(RETARD), 3}}});
    EXPECT_EQ(session.image()[BASE_ADV], 12);
    EXPECT_EQ(changed(events).size(), 2u);
    EXPECT_FALSE(session.canUndo());
}

TEST_F(SessionWithUnit, ProgrammingAfterChangeSendsTheEditedImage) {
    session.setProgramAfterChange(true);
    const Events started =
        session.edit(CellBlockEdit{{{at(advanceCell(0, 0)), 21}, {at(advanceCell(0, 1)), 22}}});
    EXPECT_TRUE(session.link().busy()) << "a change programs at once";
    run(started);
    EXPECT_EQ(model->stored()[advanceCell(0, 0)], 21);
    EXPECT_EQ(model->stored()[advanceCell(0, 1)], 22);
    EXPECT_EQ(session.unitState().match, UnitMatch::Same);
}

TEST_F(SessionWithUnit, OpeningAFileReportsWhatItChanged) {
    session.edit(SettingEdit{at(RETARD), 7});
    ASSERT_TRUE(session.save(dir.file("a.ign")));
    session.edit(SettingEdit{at(RETARD), 9});
    session.edit(SettingEdit{at(BASE_ADV), 30});

    ASSERT_EQ(session.open(dir.file("a.ign")).status, OpenStatus::Opened);
    const Events events = session.commit();
    EXPECT_EQ(session.image()[RETARD], 7);
    const std::vector<SettingId> settings = changed(events);
    EXPECT_TRUE(contains(settings, RETARD));
    EXPECT_TRUE(contains(settings, BASE_ADV));
    EXPECT_TRUE(session.canUndo()) << "the opened file is a step of its own";
}

}  // namespace
}  // namespace tz::session
