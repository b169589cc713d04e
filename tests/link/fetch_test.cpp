// A fetch: the unit's pages read into a buffer for a comparison or a backup,
// with the frames of a read, nothing stored, and the image left alone.
#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::FakeDevice;
using testing::LinkFixture;
using Kinds = std::vector<std::uint8_t>;

// Pages as a unit may hold them: not what the window would repair them to.
Image unrepairedPages() {
    Image pages = firstStartState().image;
    pages[field::LIMITER_RPM] = 255;
    pages[advanceCell(2, 7)] = 99;
    pages[240] = 77;
    return pages;
}

bool sentAStoreFrame(const FakeDevice& device) {
    for (const Frame& f : device.written)
        if (f[0] <= kPageCount) return true;
    return false;
}

class Fetches : public LinkFixture {
  protected:
    void SetUp() override {
        sim::UnitConfig config;
        config.stored = unrepairedPages();
        attachUnit(config);
        cycle.OpenPort();
        // An image the fetch must not repair.
        host.params().image[field::LIMITER_RPM] = 254;
        before = host.params().image;
    }

    Image before;
};

TEST_F(Fetches, ReadsTheFourPagesIntoTheBufferOnly) {
    cycle.Fetch();
    EXPECT_EQ(host.line, "Read:");
    ASSERT_TRUE(tickUntilIdle());

    EXPECT_EQ(unit().kinds(), (Kinds{0x40, 0x41, 0x42, 0x43}));
    for (const Frame& f : unit().written) EXPECT_EQ(f, BuildPageFrame(f[0], {}, true));
    EXPECT_EQ(cycle.cycle().fetchedPages(), unrepairedPages());
    EXPECT_EQ(host.params().image, before);
    EXPECT_EQ(model->stored(), unrepairedPages());
    EXPECT_EQ(host.imagesRead, 0);
    EXPECT_EQ(host.normalisedAndShown, 0);
    EXPECT_EQ(host.line, "Read:: OK");
    EXPECT_EQ(host.progressPositions, (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(host.endings.size(), 1u);
    EXPECT_EQ(host.endings[0].operation, Operation::Fetch);
    EXPECT_EQ(host.endings[0].outcome, Outcome::Succeeded);
    EXPECT_EQ(cycle.unitInfo().name, "TZA05");
}

TEST_F(Fetches, AFetchThatEndsWithoutPagesKeepsNothingAndRepairsNothing) {
    struct Case {
        const char* name;
        std::uint8_t protocol;
        std::uint8_t unansweredPage;
        Outcome outcome;
    };
    const Case cases[] = {
        {"silent at page 3", kProtocolVersion, 0x43, Outcome::Failed},
        {"another protocol", 85, 0, Outcome::VersionMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::UnitConfig config;
        config.stored = unrepairedPages();
        config.identity.protocol = c.protocol;
        attachUnit(config);
        auto answer = unit().responder;
        unit().responder = [answer, &c](const Frame& request, FakeDevice& device) {
            if (request[0] != c.unansweredPage) answer(request, device);
        };
        unit().written.clear();
        host.endings.clear();
        cycle.Fetch();
        ASSERT_TRUE(tickUntilIdle());

        EXPECT_FALSE(sentAStoreFrame(unit()));
        EXPECT_EQ(host.params().image, before);
        EXPECT_EQ(host.normalisedAndShown, 0);
        EXPECT_EQ(cycle.cycle().fetchedPages(), Image{});
        ASSERT_EQ(host.endings.size(), 1u);
        EXPECT_EQ(host.endings[0].operation, Operation::Fetch);
        EXPECT_EQ(host.endings[0].outcome, c.outcome);
        if (c.outcome == Outcome::Failed) {
            EXPECT_EQ(host.line, "Read error!");
        }
    }
}

TEST_F(Fetches, AFailedVerifyTellsWhetherTheUnitAnsweredWithOtherPages) {
    // The window's image differs from the unit's pages.
    cycle.Verify();
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_EQ(host.endings.size(), 1u);
    EXPECT_EQ(host.endings[0].outcome, Outcome::Failed);
    EXPECT_TRUE(host.endings[0].pageRefused);

    unit().responder = nullptr;
    cycle.Verify();
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_EQ(host.endings.size(), 2u);
    EXPECT_EQ(host.endings[1].outcome, Outcome::Failed);
    EXPECT_FALSE(host.endings[1].pageRefused);
}

}  // namespace
}  // namespace tz::link
