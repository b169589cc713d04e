// The simulated unit: its answers, saving countdown, test requests, scripts,
// faults and command line.
#include "sim/unit_model.h"

#include <gtest/gtest.h>

#include "link/info_page.h"
#include "link_fixture.h"
#include "sim/engine.h"
#include "sim/faults.h"
#include "sim/frame_assembler.h"
#include "sim/options.h"

namespace tz::sim {
namespace {

using link::Frame;
using link::testing::Reply;

Frame request(std::uint8_t pageByte, std::uint8_t fill) {
    std::array<std::uint8_t, link::kPayloadSize> payload;
    payload.fill(fill);
    return Reply(pageByte, payload);
}

Frame poll(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    return link::BuildPollFrame({a, b, c});
}

// A named field of a monitor frame.
int field(const Frame& monitor, const char* name) {
    const link::MonitorField* info = link::FindFrameField(name);
    int value = monitor[static_cast<std::size_t>(info->offset)];
    if (info->width == 2) value |= monitor[static_cast<std::size_t>(info->offset + 1)] << 8;
    return value - info->bias;
}

UnitConfig config() {
    UnitConfig c;
    c.stored = firstStartState().image;
    return c;
}

TEST(UnitModel, StoresAndEchoesPagesOrReturnsWhatItHolds) {
    UnitModel unit(config());
    const auto echo = unit.answer(request(0x02, 0x21), 0);
    ASSERT_TRUE(echo);
    EXPECT_EQ((*echo)[0], 0x82);
    EXPECT_TRUE(link::IsValidFrame(*echo));
    EXPECT_EQ((*echo)[100], 0x21);
    EXPECT_EQ(unit.stored()[150], 0x21);

    const auto held = unit.answer(request(0x42, 0x77), 0);
    EXPECT_EQ((*held)[0], 0xC2);
    EXPECT_EQ((*held)[1], 0x21);
    EXPECT_EQ(unit.stored()[150], 0x21);

    Frame bad = request(0x01, 0);
    bad[101] ^= 1;
    EXPECT_FALSE(unit.answer(bad, 0));
    EXPECT_FALSE(unit.answer(request(0x81, 0), 0));
    EXPECT_FALSE(unit.answer(request(0x04, 0), 0));
}

TEST(UnitModel, TheInfoPageNamesTheUnit) {
    UnitConfig c = config();
    c.identity = {"ABC12", 2003, 1, 25, 16, 21, 85};
    UnitModel unit(c);
    const auto info = unit.answer(request(0x40, 0), 0);
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)[0], 0xC0);
    const link::UnitInfo u = link::DecodeInfoPage(link::FrameView(*info).subspan<1, 100>());
    EXPECT_EQ(u.name, "ABC12");
    EXPECT_EQ(u.date, "25. 1.2003");
    EXPECT_EQ(u.time, "16:21");
    EXPECT_EQ((*info)[11], 85);
    EXPECT_EQ(field(*unit.answer(poll(0, 0, 0), 0), "protocol"), 85);

    c.identity.name = "Bench unit";
    const auto longName = UnitModel(c).answer(request(0x00, 0), 0);
    EXPECT_EQ(link::DecodeInfoPage(link::FrameView(*longName).subspan<1, 100>()).name,
              "Bench unit");
}

TEST(UnitModel, StoringTheLastPageStartsTheSavingCountdown) {
    UnitConfig c = config();
    c.savingMs = 2000;
    UnitModel unit(c);
    EXPECT_EQ(field(*unit.answer(poll(0, 0, 0), 0), "saving"), 0);
    unit.answer(request(0x03, 0), 1000);
    EXPECT_EQ(field(*unit.answer(poll(0, 0, 0), 1000), "saving"), 600);
    EXPECT_EQ(field(*unit.answer(poll(0, 0, 0), 2000), "saving"), 300);
    const auto after = unit.answer(poll(0, 0, 0), 3000);
    EXPECT_EQ(field(*after, "saving"), 0);
    EXPECT_EQ(field(*after, "program-count"), 1);
}

TEST(UnitModel, TestRequestsShowInLaterMonitorFrames) {
    UnitModel unit(config());
    const auto first = unit.answer(poll(0x01, 0x05, 0), 0);
    EXPECT_EQ(field(*first, "test1"), 1);
    EXPECT_EQ(field(*first, "pout1"), 1);
    EXPECT_EQ(field(*first, "pout2"), 0);
    EXPECT_EQ(field(*first, "pout3"), 1);
    const auto later = unit.answer(poll(0, 0x10, 0x01), 1000);
    EXPECT_EQ(field(*later, "rpm"), firstStartState().image[field::TEST_RPM] * 100);
    EXPECT_EQ(field(*later, "servo-desired"), 1023);
    EXPECT_EQ(field(*later, "pout1"), 1);
    const auto gone = unit.answer(poll(0, 0, 0), 1000 + kTestEffectMs);
    EXPECT_EQ(field(*gone, "pout1"), 0);
    EXPECT_EQ(field(*gone, "rpm"), 0);
    EXPECT_EQ(field(*gone, "test1"), 1);
}

TEST(UnitModel, TheEngineRunsThroughTheMapUpToTheLimiter) {
    UnitConfig c = config();
    c.engine = true;
    c.stored[field::LIMITER_RPM] = 100;
    UnitModel unit(c);
    const auto idle = unit.answer(poll(0, 0, 0), 0);
    EXPECT_EQ(field(*idle, "rpm"), 1200);
    EXPECT_EQ(field(*idle, "pickup1"), 1);
    const auto top = unit.answer(poll(0, 0, 0), kEngineCycleMs / 2);
    EXPECT_EQ(field(*top, "rpm"), 10200);
    EXPECT_EQ(field(*top, "speed-alarm"), 1);
    EXPECT_EQ(field(*top, "tps"), 100);
    EXPECT_EQ(field(*top, "advance1"), c.stored[advanceCell(9, 9)]);
}

TEST(LiveScript, StepsApplyInTimeOrderAndBadLinesAreNamed) {
    std::string error;
    const auto steps = ParseScript("# warm-up\n500 rpm=2000 tps=50\n0 rpm=1000\n", error);
    ASSERT_TRUE(error.empty()) << error;
    MonitorFields f;
    ApplyScript(steps, 100, f);
    EXPECT_EQ(f.get("rpm"), 1000);
    ApplyScript(steps, 600, f);
    EXPECT_EQ(f.get("rpm"), 2000);
    EXPECT_EQ(f.get("tps"), 50);

    ParseScript("0 rpm=1\n10 speed=3\n", error);
    EXPECT_EQ(error, "script line 2: expected MS FIELD=VALUE ...");
}

TEST(Faults, EachFaultShapesTheReply) {
    const Frame store2 = request(0x02, 0x11);
    const Frame reply = *UnitModel(config()).answer(store2, 0);
    const auto shape = [&](FaultConfig c) { return FaultInjector(c).shape(store2, reply); };
    EXPECT_TRUE(shape({.dropPercent = 100}).empty());
    EXPECT_TRUE(shape({.silent = true}).empty());

    const auto clean = shape({});
    ASSERT_EQ(clean.size(), 1u);
    EXPECT_EQ(clean[0].afterMs, 0);
    EXPECT_TRUE(std::equal(reply.begin(), reply.end(), clean[0].bytes.begin()));

    const auto wrong = shape({.wrongEchoPage = 2})[0].bytes;
    Frame w;
    std::copy(wrong.begin(), wrong.end(), w.begin());
    EXPECT_TRUE(link::IsValidFrame(w));
    EXPECT_EQ(std::mismatch(w.begin(), w.begin() + 101, reply.begin()).first - w.begin(), 51);
    EXPECT_EQ(shape({.wrongEchoPage = 1})[0].bytes, clean[0].bytes);

    const auto corrupt = shape({.corruptPercent = 100})[0].bytes;
    Frame k;
    std::copy(corrupt.begin(), corrupt.end(), k.begin());
    EXPECT_FALSE(link::IsValidFrame(k));

    EXPECT_EQ(shape({.delayPercent = 100, .delayMs = 250})[0].afterMs, 250);
    EXPECT_GT(shape({.garbagePercent = 100})[0].bytes.size(), reply.size());

    const auto split = shape({.splitPercent = 100});
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].bytes.size() + split[1].bytes.size(), reply.size());
    EXPECT_EQ(split[1].afterMs, 80);
}

TEST(FrameAssembler, APauseInsideAFrameStartsOver) {
    FrameAssembler a;
    const Frame f = poll(0, 0, 0);
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(a.add(0xEE, 0));
    std::optional<Frame> got;
    for (std::uint8_t b : f) got = a.add(b, 100);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, f);
}

TEST(SimOptions, ValuesAreCheckedAndFilesRead) {
    std::string error;
    const SimOptions o = ParseOptions(
        {"--delay", "30:120", "--away", "1000:500", "--name", "ABC12", "--set", "rpm=4000",
         "--engine", "--load", std::string(TZ_PARAMS_DATA_DIR) + "/defaults.ign"},
        error);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_EQ(o.faults.delayPercent, 30);
    EXPECT_EQ(o.faults.delayMs, 120);
    EXPECT_EQ(o.awayAfterMs, 1000);
    EXPECT_EQ(o.awayForMs, 500);
    EXPECT_EQ(o.unit.fields.get("rpm"), 4000);
    EXPECT_TRUE(o.unit.engine);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--drop", "101"},
                                                {"--wrong-echo", "4"},
                                                {"--set", "x=1"},
                                                {"--date", "2016-13-01"},
                                                {"--bogus"},
                                                {"--load", "/nonexistent.ign"}}) {
        error.clear();
        ParseOptions(bad, error);
        EXPECT_FALSE(error.empty()) << bad[0];
    }
}

}  // namespace
}  // namespace tz::sim
