#include "link/monitor.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::LinkFixture;
using testing::MonitorFrame;
using ui::Colour;

texts::MessageCatalogue english() {
    texts::MessageCatalogue m;
    m.fillMessages(texts::Language::English);
    m.fillCaptionEntries(texts::Language::English);
    return m;
}

const LabelUpdate* findLabel(const MonitorDisplay& d, std::string_view name) {
    for (const LabelUpdate& l : d.labels)
        if (l.name == name) return &l;
    return nullptr;
}

int gauge(const MonitorDisplay& d, std::string_view name) {
    for (const GaugeUpdate& g : d.gauges)
        if (g.name == name) return g.position;
    return -1;
}

struct LabelCase {
    MonitorFrame frame;
    std::string_view label;
    std::string text;
    std::optional<Colour> colour;  // none: the label keeps its colour
};

TEST(DecodeMonitorFrame, LabelTextsAndColours) {
    const auto messages = english();
    Image image = firstStartState().image;
    image[powerOutMode(0)] = 4;
    image[powerOutMode(1)] = 1;
    image[powerOutMode(2)] = 9;
    const LabelCase cases[] = {
        {MonitorFrame().set16(1, 6000), "LabelRpm", "RPM = 6000 ", Colour::ButtonFace},
        {MonitorFrame().set(64, 1), "LabelRpm", "RPM = 0 ", Colour::Yellow},
        {MonitorFrame().set(62, 1).set(64, 1), "LabelRpm", "RPM = 0 ", Colour::Red},
        {MonitorFrame().set16(5, 13800), "LabelNapeti", "U = 13.8 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 7000), "LabelNapeti", "U =  7.0 [V]", Colour::Red},
        {MonitorFrame().set16(5, 7001), "LabelNapeti", "U =  7.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 11000), "LabelNapeti", "U = 11.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 11001), "LabelNapeti", "U = 11.0 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 14998), "LabelNapeti", "U = 15.0 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 14999), "LabelNapeti", "U = 15.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 17999), "LabelNapeti", "U = 18.0 [V]", Colour::Red},
        {MonitorFrame().set(63, 1), "LabelBlocking1", "Motor off - YES", Colour::Red},
        {MonitorFrame(), "LabelBlocking1", "Motor off - NO", Colour::ButtonFace},
        {MonitorFrame().set(50, 130), "LabelAdvance1", "Advance 1 = 30 [°]", Colour::ButtonFace},
        {MonitorFrame().set(50, 130).set16(54, 30), "LabelAdvance1",
         "Advance 1 = 30 [°] /max 30 [°]", Colour::Yellow},
        {MonitorFrame().set(51, 90).set16(56, 30), "LabelAdvance2",
         "Advance 2 = -10 [°] /max 30 [°]", Colour::ButtonFace},
        {MonitorFrame().set(71, 0x04), "LabelAdvance1", "Pick up system error                    ",
         Colour::Red},
        {MonitorFrame().set(71, 0x08).set(50, 130), "LabelAdvance1", "Advance 1 = 30 [°]",
         Colour::ButtonFace},
        {MonitorFrame().set(48, 1).set(69, 1), "LabelMonSnimac1",
         "Pick-up (CKPS) 1 - is running, negative polarity", Colour::Lime},
        {MonitorFrame().set(48, 1).set(71, 0x01), "LabelMonSnimac1",
         "Pick-up (CKPS) 1 - is running, polarity error", Colour::Red},
        {MonitorFrame(), "LabelMonSnimac2", "Pick-up (CKPS) 2 - no signal, positive polarity",
         Colour::ButtonFace},
        {MonitorFrame().set(49, 1).set(71, 0x02), "LabelMonSnimac2",
         "Pick-up (CKPS) 2 - , polarity error", Colour::Red},
        {MonitorFrame().set(41, 45).set16(3, 512), "LabelTpsMon", "TP= 45 [%]= 2502 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set(41, 101).set16(3, 1023), "LabelTpsMon", "TP=error = 5000 [mV]",
         Colour::Red},
        {MonitorFrame().set(41, 101).set16(3, 512), "LabelTpsMon", "TP=error = 2502 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set(41, 101).set16(3, 50), "LabelTpsMon", "TP=error = 244 [mV]",
         Colour::Red},
        {MonitorFrame().set16(9, 1023).set(65, 1), "LabelPriveraPoz", "Servo desired= 5000 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set16(7, 512), "LabelPriveraMer", "Servo measured= 2502 [mV]", Colour::Red},
        {MonitorFrame().set16(11, 1234), "LabelPocetProgramovani", "Number of Programing= 1234",
         std::nullopt},
        {MonitorFrame().set(66, 1), "LabelMonInput1In", "Input 1: grounded", Colour::Fuchsia},
        {MonitorFrame().set(67, 1), "LabelMonInput2In", "Input 2: grounded", Colour::Aqua},
        {MonitorFrame(), "LabelMonInput2In", "Input 2: Open", Colour::ButtonFace},
        {MonitorFrame().set(40, 1), "LabelClutchMon", "Clutch master - YES", Colour::Lime},
        {MonitorFrame().set(39, 1), "LabelMonStartLimiterOut", "Start limiter: YES",
         Colour::Fuchsia},
        {MonitorFrame().set(38, 1), "LabelMonRetard", "Retard - YES", Colour::Aqua},
        {MonitorFrame().set(37, 1), "LabelKillSwitch", "Kill switch - YES", Colour::Red},
        {MonitorFrame().set(43, 1), "LabelMonPOut1", "1- Special out - YES", Colour::Lime},
        {MonitorFrame().set(42, 1), "LabelMonPOut2", "2- Fuel pump - YES", Colour::Aqua},
        {MonitorFrame().set(68, 1), "LabelMonPOut3", "3-  - YES", Colour::Yellow},
        {MonitorFrame(), "LabelMonPOut3", "3-  - NO", Colour::ButtonFace},
    };
    for (const LabelCase& c : cases) {
        const auto result = DecodeMonitorFrame(c.frame.frame(), image, messages);
        ASSERT_TRUE(result);
        const LabelUpdate* l = findLabel(result->display, c.label);
        ASSERT_NE(l, nullptr) << c.label;
        EXPECT_EQ(l->text, c.text) << c.label;
        EXPECT_EQ(l->colour, c.colour) << c.label << " " << c.text;
    }
}

TEST(DecodeMonitorFrame, OtherLabelsAndBars) {
    const auto messages = english();
    Image image = firstStartState().image;
    image[field::LIMITER_RPM] = 120;
    const auto r = DecodeMonitorFrame(
        MonitorFrame().set16(1, 6000).set(41, 45).set16(27, 77).set(99, 1).set(100, 85).frame(),
        image, messages);
    ASSERT_TRUE(r);
    EXPECT_EQ(gauge(r->display, "CGaugeRpm"), 50);
    EXPECT_EQ(gauge(r->display, "CGaugeTps"), 45);
    EXPECT_EQ(findLabel(r->display, "LabelTest8")->text, "Test8 = 77 ");
    EXPECT_EQ(findLabel(r->display, "LabelEeDataErr")->visible, true);
    const LabelUpdate* version = findLabel(r->display, "LabelVersion");
    EXPECT_EQ(version->visible, true);
    EXPECT_EQ(version->text, "Unmatched version of PC and Ignition programs!  PC-91, IGN-85");
    EXPECT_EQ(r->live.versionState, VersionState::Mismatch);

    image[field::LIMITER_RPM] = 0;
    const auto fast = DecodeMonitorFrame(MonitorFrame().set16(1, 30000).frame(), image, messages);
    EXPECT_EQ(gauge(fast->display, "CGaugeRpm"), 100);
    EXPECT_EQ(findLabel(fast->display, "LabelVersion")->visible, false);
    EXPECT_EQ(findLabel(fast->display, "LabelEeDataErr")->visible, false);
}

TEST(DecodeMonitorFrame, TextsFollowTheCatalogueLanguage) {
    texts::MessageCatalogue german;
    german.fillMessages(texts::Language::German);
    german.fillCaptionEntries(texts::Language::German);
    const auto r = DecodeMonitorFrame(MonitorFrame().set(40, 1).frame(), {}, german);
    EXPECT_EQ(findLabel(r->display, "LabelClutchMon")->text, "Schaltautomat - JA");
}

TEST(DecodeMonitorFrame, AnInvalidFrameGivesNothing) {
    Frame f = MonitorFrame().frame();
    f[50] ^= 0x01;
    EXPECT_FALSE(DecodeMonitorFrame(f, {}, english()));
}

using Monitor = LinkFixture;

TEST_F(Monitor, TheRunningFlagRefreshesTheLayoutOnlyWhenItChanges) {
    cycle.OpenPort();
    const auto feed = [this](const MonitorFrame& f) {
        unit().push(f.frame());
        tick();
    };
    feed(MonitorFrame());
    EXPECT_EQ(host.layoutRefreshes, 0);
    feed(MonitorFrame().set(48, 1));
    feed(MonitorFrame().set(48, 1).set(49, 1));
    EXPECT_EQ(host.layoutRefreshes, 1);
    EXPECT_TRUE(cycle.live().running);
    feed(MonitorFrame().set(49, 1).set(71, 0x02));
    EXPECT_FALSE(cycle.live().running);
    EXPECT_EQ(host.layoutRefreshes, 2);
}

TEST_F(Monitor, TheUnitVersionLineFollowsTheMonitorFrames) {
    cycle.OpenPort();
    EXPECT_EQ(cycle.unitVersionLine(), "not connected");
    unit().push(MonitorFrame().frame());
    tick();
    EXPECT_EQ(cycle.unitVersionLine(), "      ");
    EXPECT_TRUE(cycle.connected());
    unit().push(MonitorFrame().set(100, 90).frame());
    tick();
    EXPECT_EQ(cycle.unitVersionLine(),
              "Unmatched version of PC and Ignition programs!  PC-91, IGN-90");

    attachUnit();
    cycle.Read();
    ASSERT_TRUE(tickUntilIdle());
    unit().push(MonitorFrame().frame());
    tick();
    EXPECT_EQ(cycle.unitVersionLine(), "TZA05    4.11.2016   16:21");
}

}  // namespace
}  // namespace tz::link
