// A read of the unit in the session: the link hands the unit's pages up as
// they are, the session takes them over the image with its own repair memory,
// and the verify that follows sends and compares those repaired pages. The
// link sends a copy of the image taken when a run starts.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_with_unit.h"

namespace tz::session {
namespace {

using testing::count;
using testing::SessionWithUnit;

// Page 1 of `image` as a page frame carries it (a read's requests carry
// nothing, the verify after it the pages it compares).
bool carriesPage1(const link::Frame& frame, const Image& image) {
    const auto p = page(image, 1);
    return std::equal(p.begin(), p.end(), frame.begin() + 1);
}

TEST_F(SessionWithUnit, AReadTakesTheUnitsPagesWithTheSessionsRepairMemory) {
    // One rpm breakpoint lowered below the one before it: the session's memory
    // knows it as the edited one and pushes its neighbour down, where a first
    // normalisation would only raise it back into order.
    Image pages = firstStartState().image;
    pages[field::RPM_ADV + 3] = static_cast<std::uint8_t>(pages[field::RPM_ADV + 2] - 2);
    sim::UnitConfig config;
    config.stored = pages;
    config.savingMs = 0;
    model = std::make_unique<sim::UnitModel>(config);
    ParamState expected = session.params();
    expected.image = pages;
    expected.normalise();
    ParamState firstRun;
    firstRun.image = pages;
    firstRun.normalise();
    ASSERT_NE(expected.image, firstRun.image);

    const Events events = run(session.read());
    EXPECT_EQ(count<ImageRead>(events), 1);
    EXPECT_EQ(session.image(), expected.image);
    EXPECT_TRUE(session.canUndo()) << "a read is a step of its own";
    // The unit holds other pages than the repaired ones: their verify fails.
    const std::vector<link::Frame>& written = device().written;
    const auto kind = [](std::uint8_t k) {
        return [k](const link::Frame& f) { return f[0] == k; };
    };
    const auto verify = std::find_if(std::find_if(written.begin(), written.end(), kind(0x43)),
                                     written.end(), kind(0x41));
    ASSERT_NE(verify, written.end());
    EXPECT_TRUE(carriesPage1(*verify, expected.image));
    const auto ended = std::find_if(events.begin(), events.end(), [](const Event& e) {
        return std::holds_alternative<link::TransferEnded>(e);
    });
    ASSERT_NE(ended, events.end());
    EXPECT_EQ(std::get<link::TransferEnded>(*ended).outcome, link::Outcome::Failed);
}

TEST_F(SessionWithUnit, AProgrammingRunSendsTheImageAsItWasWhenItStarted) {
    const SettingId cell = *settingAt(advanceCell(1, 1));
    session.edit(SettingEdit{cell, 12});
    const Events started = session.program();
    const Image sent = session.image();
    // An edit while the run goes on reaches the unit with the next run only.
    session.edit(SettingEdit{cell, 14});
    run(started);
    EXPECT_EQ(model->stored(), sent);
    ASSERT_FALSE(session.unitImage() == std::nullopt);
    EXPECT_EQ(*session.unitImage(), sent) << "the unit is known to hold what was verified";
}

}  // namespace
}  // namespace tz::session
