// Program, verify and read runs against the unit model: the frames on the
// line, their resends, results on the message line and the progress gauge.
#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::FakeDevice;
using testing::LinkFixture;
using testing::MonitorFrame;
using testing::RecordedLink;
using ui::Colour;
using Kinds = std::vector<std::uint8_t>;

// Settings that differ from the first-start image in several places.
Image unitSettings() {
    ParamState s = firstStartState();
    s.image[advanceCell(3, 4)] = 33;
    s.image[advanceCell(9, 0)] = 7;
    s.image[field::LIMITER_RPM] = 95;
    s.image[powerOutMode(2)] = 3;
    s.normalise();
    return s.image;
}

class Transfers : public LinkFixture {
  protected:
    void SetUp() override {
        attachUnit();
        cycle.OpenPort();
    }
};

TEST_F(Transfers, ProgramStoresThreePagesVerifiesThemAndReportsTheSaving) {
    host.params().image = unitSettings();
    cycle.Program();
    EXPECT_EQ(host.line, "Program device:");
    EXPECT_TRUE(host.progressVisible);

    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(unit().kinds(), (Kinds{0x00, 0x01, 0x02, 0x03, 0x41, 0x42, 0x43}));
    EXPECT_EQ(model->stored(), host.params().image);
    EXPECT_EQ(host.progressPositions, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
    EXPECT_EQ(host.normalisedAndShown, 1);
    EXPECT_EQ(cycle.unitInfo().name, "TZA05");

    bool sawSaving = false;
    for (int i = 0; i < 60; ++i) {
        tick();
        sawSaving = sawSaving || (host.line == "Saving:" && host.progressMax == 100);
    }
    EXPECT_TRUE(sawSaving);
    EXPECT_EQ(host.line, "Program device:: OK");
    EXPECT_EQ(host.progressMax, 3);
    EXPECT_EQ(host.progressPosition, 3);
}

TEST_F(Transfers, ReadTakesTheUnitsSettingsAndVerifiesThem) {
    sim::UnitConfig config;
    config.stored = unitSettings();
    attachUnit(config);
    cycle.Read();
    EXPECT_EQ(host.line, "Read:");
    ASSERT_TRUE(tickUntilIdle());

    EXPECT_EQ(unit().kinds(), (Kinds{0x40, 0x41, 0x42, 0x43, 0x41, 0x42, 0x43}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(unit().written[i], BuildPageFrame(unit().written[i][0], {}, true));
    EXPECT_EQ(host.params().image, config.stored);
    EXPECT_EQ(host.imagesRead, 1);
    EXPECT_EQ(host.line, "Verify:: OK");
    EXPECT_EQ(host.progressPositions, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
    EXPECT_EQ(cycle.unitInfo().date, " 4.11.2016");
}

TEST_F(Transfers, VerifyComparesThePagesAndStoresNothing) {
    const Image before = model->stored();
    cycle.Verify();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(unit().kinds(), (Kinds{0x41, 0x42, 0x43}));
    EXPECT_EQ(host.line, "Verify:: OK");
    EXPECT_EQ(model->stored(), before);
    tick(10);
    EXPECT_EQ(host.line, "Verify:: OK");
}

TEST_F(Transfers, ASecondCommandAbandonsTheRunningOne) {
    cycle.Program();
    while (unit().kinds().size() < 2) tick();
    cycle.Read();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(unit().kinds(), (Kinds{0x00, 0x01, 0x40, 0x41, 0x42, 0x43, 0x41, 0x42, 0x43}));
    EXPECT_EQ(host.line, "Verify:: OK");
}

TEST_F(Transfers, AFailedSecondProgrammingKeepsItsErrorOnTheLine) {
    cycle.Program();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(host.line, "Program device:: OK");
    unit().responder = nullptr;
    cycle.Program();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(host.line, "Program error!");
    tick(30);
    EXPECT_EQ(host.line, "Program error!");
    EXPECT_EQ(host.lineColour, Colour::Red);
}

TEST_F(Transfers, AWrongEchoKeepsTheRunOnItsPageUntilItFails) {
    unit().responder = [this](const Frame& request, FakeDevice& device) {
        auto reply = model->answer(request, 0);
        if (request[0] == 0x02) {
            (*reply)[60] ^= 0x10;
            Seal(*reply);
        }
        device.push(*reply);
    };
    cycle.Program();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(unit().kinds(), (Kinds{0x00, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02}));
    EXPECT_EQ(host.line, "Program error!");
}

TEST_F(Transfers, AReadThatFailsPartWayLeavesTheImageAsItWas) {
    sim::UnitConfig config;
    config.stored = unitSettings();
    attachUnit(config);
    auto answer = unit().responder;
    unit().responder = [answer](const Frame& request, FakeDevice& device) {
        if (request[0] != 0x43) answer(request, device);
    };
    const Image before = host.params().image;
    ASSERT_NE(before, config.stored);
    cycle.Read();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(host.line, "Read error!");
    EXPECT_EQ(host.params().image, before);
    EXPECT_EQ(host.imagesRead, 0);
}

TEST_F(Transfers, TheSavingCountdownFillsTheGaugeThenTheSuccessTextReturns) {
    sim::UnitConfig config;
    config.savingMs = 0;
    attachUnit(config);
    cycle.Program();
    ASSERT_TRUE(tickUntilIdle());
    unit().responder = nullptr;

    unit().push(MonitorFrame().set16(95, 300).frame());
    tick();
    EXPECT_EQ(host.line, "Saving:");
    EXPECT_EQ(host.progressMax, 100);
    EXPECT_EQ(host.progressPosition, 50);

    unit().push(MonitorFrame().set16(95, 0).frame());
    tick();
    EXPECT_EQ(host.line, "Program device:: OK");
    EXPECT_EQ(host.progressMax, 3);
    EXPECT_EQ(host.progressPosition, 3);
}

// A programming run succeeds once the unit has stored the pages: after its
// countdown ran out, or when none showed; a unit that goes away while it
// saves fails it, unless it answers again soon.
TEST_F(Transfers, ProgrammingEndsWhenTheUnitHasSavedAndFailsWhenItStaysAway) {
    struct Case {
        const char* name;
        int countdown;    // in the monitor frame after the verify, 0 for none
        int silentTicks;  // then without an answer
        Outcome outcome;
    };
    const int lost = kWatchdogTicks + kSaveAwayTicks;
    for (const Case& c : {Case{"saves", 300, 0, Outcome::Succeeded},
                          Case{"shows no countdown", 0, 0, Outcome::Succeeded},
                          Case{"away for a moment", 300, kWatchdogTicks + 5, Outcome::Succeeded},
                          Case{"stays away", 300, lost, Outcome::Failed}}) {
        SCOPED_TRACE(c.name);
        sim::UnitConfig config;
        config.savingMs = 0;
        attachUnit(config);
        cycle.Program();
        ASSERT_TRUE(tickUntilIdle());
        unit().responder = nullptr;
        host.endings.clear();

        unit().push(MonitorFrame().set16(95, c.countdown).frame());
        tick();
        for (int i = 0; i < c.silentTicks; ++i) tick();
        if (c.outcome == Outcome::Succeeded) {
            EXPECT_TRUE(host.endings.empty());
            for (int i = 0; i < kSaveStartTicks && host.endings.empty(); ++i) {
                if (i % 5 == 0) unit().push(MonitorFrame().frame());
                tick();
            }
        }
        ASSERT_EQ(host.endings.size(), 1u);
        EXPECT_EQ(host.endings[0].operation, Operation::Program);
        EXPECT_EQ(host.endings[0].outcome, c.outcome);
        // A failed run is not reported done afterwards.
        for (int i = 0; i < 5; ++i) tick();
        EXPECT_EQ(host.line,
                  c.outcome == Outcome::Failed ? "Program error!" : "Program device:: OK");
        EXPECT_EQ(host.endings.size(), 1u);
    }
}

TEST_F(Transfers, TheSuccessTextEndsWithTheMessageLine) {
    cycle.Program();
    ASSERT_TRUE(tickUntilIdle());
    while (host.lineVisible) tick();
    EXPECT_FALSE(cycle.transfer().programmingCompleted);
    unit().push(MonitorFrame().frame());
    host.line.clear();
    tick();
    EXPECT_EQ(host.line, "");
}

struct FailureCase {
    const char* name;
    void (RecordedLink::*command)();
    std::uint8_t page;
    const char* error;
};

class FailedTransfers : public LinkFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedTransfers, FiveTransmissionsFourTicksApartThenTheErrorAtTick20) {
    const FailureCase& c = GetParam();
    cycle.OpenPort();
    (cycle.*c.command)();
    ASSERT_TRUE(tickUntilIdle());
    const int failedAt = line.tick;

    EXPECT_EQ(unit().kinds(), Kinds(5, c.page));
    ASSERT_EQ(unit().writeTicks.size(), 5u);
    const int first = unit().writeTicks[0];
    EXPECT_LE(first, 4);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(unit().writeTicks[i], first + 4 * i);
    EXPECT_EQ(failedAt, first + 20);
    EXPECT_EQ(host.line, c.error);
    EXPECT_EQ(host.lineColour, Colour::Red);
    EXPECT_FALSE(cycle.transfer().programmingCompleted);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailedTransfers,
    ::testing::Values(FailureCase{"Program", &RecordedLink::Program, 0x00, "Program error!"},
                      FailureCase{"Verify", &RecordedLink::Verify, 0x41, "Verify error!"},
                      FailureCase{"Read", &RecordedLink::Read, 0x40, "Read error!"}),
    [](const auto& test) { return std::string(test.param.name); });

class VersionMismatch : public LinkFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VersionMismatch, EndsTheTransferWithTheMessageBoxAndChangesNothing) {
    sim::UnitConfig config;
    config.identity.protocol = 85;
    attachUnit(config);
    cycle.OpenPort();
    const Image unitBefore = model->stored();
    const Image imageBefore = host.params().image;
    (cycle.*GetParam().command)();
    ASSERT_TRUE(tickUntilIdle());

    EXPECT_EQ(unit().kinds(), Kinds{GetParam().page});
    EXPECT_EQ(host.boxes, std::vector<std::string>{
                              "Unmatched version of PC and Ignition programs!  PC-91, IGN-85"});
    EXPECT_EQ(host.normalisedAndShown, 1);
    EXPECT_FALSE(host.lineVisible);
    EXPECT_EQ(model->stored(), unitBefore);
    EXPECT_EQ(host.params().image, imageBefore);
    tick(10);
    EXPECT_EQ(host.boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Commands, VersionMismatch,
                         ::testing::Values(FailureCase{"Program", &RecordedLink::Program, 0x00, ""},
                                           FailureCase{"Read", &RecordedLink::Read, 0x40, ""}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tz::link
