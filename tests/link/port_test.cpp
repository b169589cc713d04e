#include "link/port_names.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::LinkFixture;
using testing::LinkRecorder;
using testing::MonitorFrame;
using testing::RecordedLink;
using Paths = std::vector<std::string>;

TEST(PortNames, UsbAdaptersFirstThenBuiltInPortsEachByNumber) {
    const Paths dev = {"ttyS1", "ttyUSB1", "ttyACM0", "ttyS10", "ttyS2",  "ttyUSB0",
                       "tty0",  "ttyUSBx", "console", "ttyS0",  "ttyACM", "null"};
    EXPECT_EQ(OrderSerialDevices(dev),
              (Paths{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1",
                     "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(PortNames, ComPortsByNumberEachOnce) {
    const Paths registry = {"COM10", "COM3", "COM1", "COM3",  "COM256", "COM257",
                            "COM0",  "COM",  "com4", "COM03", "COM2x",  "LPT1"};
    EXPECT_EQ(OrderComPorts(registry), (Paths{"COM1", "COM3", "COM10", "COM256"}));
}

TEST(PortNames, TheVariableReplacesTheDeviceListInItsOrder) {
    bool listed = false;
    const DeviceLister lister = [&listed] {
        listed = true;
        Paths many;
        for (int i = 0; i < 40; ++i) many.push_back("/dev/ttyS" + std::to_string(i));
        return many;
    };
    EXPECT_EQ(PortTable("/tmp/unit:/dev/ttyS3::/dev/x", lister),
              (Paths{"/tmp/unit", "/dev/ttyS3", "", "/dev/x"}));
    EXPECT_FALSE(listed);
    std::string long_list = "/p0";
    for (int i = 1; i < 35; ++i) long_list += ":/p" + std::to_string(i);
    EXPECT_EQ(PortTable(long_list.c_str(), lister).size(), 30u);

    const Paths system = PortTable(nullptr, lister);
    ASSERT_EQ(system.size(), 30u);
    EXPECT_EQ(system.front(), "/dev/ttyS0");
    EXPECT_EQ(system.back(), "/dev/ttyS29");
}

using Ports = LinkFixture;

TEST_F(Ports, AMissingFixedPortIsReportedOnceThenRetriedSilently) {
    cycle.ChoosePort(4);
    EXPECT_EQ(host.boxes, Paths{"Com opening error!"});
    EXPECT_EQ(host.portLabel, "COM= COM5");
    EXPECT_EQ(host.checkedPort, 4);
    EXPECT_FALSE(cycle.portOpen());

    tick(95);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(line.openAttempts.size(), 4u);
    EXPECT_TRUE(host.banner);
}

TEST_F(Ports, WithoutAUnitThePortIsReopenedEvery30Ticks) {
    cycle.OpenPort();
    std::vector<int> reopenedAt;
    for (int t = 1; t <= 95; ++t) {
        const std::size_t before = unit().opens;
        tick();
        EXPECT_TRUE(host.banner) << t;
        if (static_cast<std::size_t>(unit().opens) != before) reopenedAt.push_back(t);
    }
    EXPECT_EQ(reopenedAt, (std::vector<int>{30, 60, 90}));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.portLabel, "COM= /dev/ttyUSB0");
}

TEST_F(Ports, TheAutomaticSearchSkipsMissingPortsAndRestsWhereAUnitAnswers) {
    ports = {"/dev/none", "/dev/quiet", kUnitPath};
    line.device("/dev/quiet");
    attachUnit();
    cycle.ChoosePort(kPortAuto);
    EXPECT_EQ(line.openAttempts, Paths{"/dev/none"});
    EXPECT_EQ(host.portLabel, "COM= /dev/none");
    tick();
    EXPECT_EQ(line.openAttempts, (Paths{"/dev/none", "/dev/quiet"}));
    tick(29);
    EXPECT_EQ(line.openAttempts.size(), 2u);
    tick();
    EXPECT_EQ(line.openAttempts.back(), kUnitPath);
    EXPECT_EQ(host.portLabel, "COM= /dev/ttyUSB0");
    tick(8);
    EXPECT_FALSE(host.banner);
    tick(100);
    EXPECT_EQ(line.openAttempts.size(), 3u);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.checkedPort, kPortAuto);
    EXPECT_EQ(host.params().outside.searchIndex, 2);
}

TEST_F(Ports, TheSearchGoesFromTheLastIndexBackToTheFirstPort) {
    ports = {"/dev/none"};
    host.params().outside.searchIndex = 30;
    cycle.ChoosePort(kPortAuto);
    EXPECT_EQ(host.portLabel, "COM= COM31");
    tick();
    EXPECT_EQ(host.params().outside.searchIndex, 0);
    EXPECT_EQ(host.portLabel, "COM= /dev/none");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Ports, ADeviceThatGoesAwayIsClosedAtOnceAndFoundAgainLater) {
    attachUnit();
    cycle.OpenPort();
    tick(20);
    ASSERT_TRUE(cycle.connected());
    unit().gone = true;
    unit().present = false;
    tick();
    EXPECT_FALSE(cycle.portOpen());
    int ticks = 0;
    while (!host.banner && ticks < 40) {
        tick();
        ++ticks;
    }
    EXPECT_TRUE(host.banner);
    unit().present = true;
    for (int i = 0; i < 40 && host.banner; ++i) tick();
    EXPECT_TRUE(cycle.portOpen());
    EXPECT_FALSE(host.banner);
    EXPECT_TRUE(host.boxes.empty());
}

// The last frame's values must not outlive the unit: a saving countdown or a
// running engine left over would be shown (and acted on) for ever.
TEST_F(Ports, ALostUnitLeavesNoLiveValuesBehind) {
    sim::UnitConfig config;
    config.fields.set("pickup1", 1);
    config.fields.set("saving", 300);
    attachUnit(config);
    cycle.OpenPort();
    tick(20);
    ASSERT_TRUE(cycle.live().running);
    ASSERT_GT(cycle.live().savingCountdown, 0);
    unit().responder = nullptr;
    for (int i = 0; i < 40 && !host.banner; ++i) tick();
    EXPECT_EQ(host.connectionsLost, 1);
    EXPECT_FALSE(cycle.live().running);
    EXPECT_EQ(cycle.live().savingCountdown, 0);
    EXPECT_EQ(host.layoutRefreshes, 2) << "running on, then off with the loss";
    const int countdown = host.lineCountdown;
    tick(10);
    EXPECT_LT(host.lineCountdown, countdown) << "no saving report from stale values";
    EXPECT_EQ(host.connectionsLost, 1);
}

// Unplugging the adapter behind a fixed choice moves the device table; the
// reopenings must keep to the chosen device, never poll (or program) the one
// that now stands at the same place in the table.
TEST_F(Ports, AFixedChoiceKeepsItsDeviceWhenTheTableMoves) {
    attachUnit();
    line.device("/dev/ttyS0");
    cycle.ChoosePort(0);
    tick(20);
    ASSERT_TRUE(cycle.connected());
    unit().gone = true;
    unit().present = false;
    ports = {"/dev/ttyS0"};
    tick(80);
    EXPECT_TRUE(line.device("/dev/ttyS0").written.empty());
    EXPECT_EQ(line.device("/dev/ttyS0").opens, 0);
    EXPECT_EQ(cycle.cycle().fixedDevice(), kUnitPath);
    EXPECT_EQ(host.portLabel, "COM= " + kUnitPath);

    // The adapter is back, now second in the table: found again.
    unit().gone = false;
    unit().present = true;
    ports = {"/dev/ttyS0", kUnitPath};
    for (int i = 0; i < 40 && !cycle.connected(); ++i) tick();
    EXPECT_TRUE(cycle.connected());
    EXPECT_TRUE(line.device("/dev/ttyS0").written.empty());

    // A new choice takes the device at its place now.
    cycle.ChoosePort(0);
    EXPECT_EQ(cycle.cycle().fixedDevice(), "/dev/ttyS0");
}

TEST_F(Ports, TheDeviceOfAnEarlierRunIsOpenedWhenPresent) {
    struct Case {
        std::vector<std::string> table;
        std::string preferred;
        int storedIndex;
        std::string opened;
        int checkedItem;
    };
    const Case cases[] = {
        {{"/dev/ttyUSB1", kUnitPath}, kUnitPath, 0, kUnitPath, 1},
        {{"/dev/ttyUSB1", kUnitPath}, "/dev/ttyACM0", 0, "/dev/ttyUSB1", 0},
        {{"/dev/ttyUSB1", kUnitPath}, "", 1, kUnitPath, 1},
    };
    for (const Case& c : cases) {
        LinkRecorder recorder;
        ports = c.table;
        recorder.params().outside.portIndex = static_cast<std::uint8_t>(c.storedIndex);
        RecordedLink link(recorder, line.factory(), [this] { return ports; });
        link.setPreferredDevice(c.preferred);
        link.OpenPort();
        EXPECT_EQ(recorder.portLabel, "COM= " + c.opened) << c.preferred;
        EXPECT_EQ(recorder.checkedPort, c.checkedItem) << c.preferred;
        EXPECT_EQ(link.cycle().fixedDevice(), c.opened) << c.preferred;
    }
}

TEST_F(Ports, ChoosingAPortShowsItsFailureEvenAfterSilentReopenings) {
    unit().present = false;
    cycle.OpenPort();
    EXPECT_EQ(host.boxes.size(), 1u);
    tick(31);
    EXPECT_EQ(host.boxes.size(), 1u);
    cycle.ChoosePort(0);
    EXPECT_EQ(host.boxes.size(), 2u);
    cycle.ChoosePort(kPortAuto);
    EXPECT_EQ(host.boxes.size(), 2u);
}

}  // namespace
}  // namespace tz::link
