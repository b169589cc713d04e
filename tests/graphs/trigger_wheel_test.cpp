#include "graphs/trigger_wheel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "params/defaults.h"

namespace tz::graphs {
namespace {

// The first-start settings (Classic: one lobe, two pick-ups, two channels),
// then the case's change.
Image settings(const std::function<void(Image&)>& change) {
    Image image{};
    bool keepSpecial = false;
    ApplyDefaults(image, keepSpecial);
    change(image);
    return image;
}

int groups(const RecordingCanvas& canvas, std::string_view name) {
    int n = 0;
    for (const DrawCall& call : canvas.calls())
        if (call.op == DrawOp::BeginGroup && call.text == name) ++n;
    return n;
}

std::vector<double> firstEdges(const WheelLayout& w) {
    std::vector<double> edges;
    for (const WheelLobe& l : w.lobes) edges.push_back(l.firstEdge);
    return edges;
}

TEST(TriggerWheel, ClassicLobeWithTwoPickups) {
    const WheelLayout w = triggerWheelLayout(settings([](Image&) {}));
    ASSERT_EQ(w.lobes.size(), 1u);
    EXPECT_DOUBLE_EQ(w.lobes[0].firstEdge, 0);
    EXPECT_DOUBLE_EQ(w.lobes[0].secondEdge, 320);  // 40° wide
    ASSERT_EQ(w.pickups.size(), 2u);
    EXPECT_DOUBLE_EQ(w.pickups[1].angle, 180);
    // Channel 1 on pick-up 1, channel 2 on pick-up 2: the same edges.
    ASSERT_EQ(w.points.size(), 4u);
    EXPECT_EQ(w.points[0].pickup, 1);
    EXPECT_DOUBLE_EQ(w.points[0].angle, 0);
    EXPECT_DOUBLE_EQ(w.points[1].angle, 320);
    EXPECT_TRUE(w.points[1].start && w.points[1].secondEdge);
    EXPECT_EQ(w.points[2].pickup, 2);
    // Top dead centre the map's largest advance (32° in the speed-only row)
    // after the maximum-advance point.
    EXPECT_EQ(w.largestAdvance, 32);
    EXPECT_DOUBLE_EQ(w.tdc, 328);

    RecordingCanvas canvas(360, 420);
    const std::vector<std::string> caption{"line"};
    drawTriggerWheel(canvas, w, {"TDC", caption});
    EXPECT_EQ(groups(canvas, "lobe"), 1);
    EXPECT_EQ(groups(canvas, "pickup"), 2);
    EXPECT_EQ(groups(canvas, "point"), 4);
    EXPECT_EQ(groups(canvas, "tdc"), 1);
}

TEST(TriggerWheel, MissingLobeLeavesASlotAndTheWheelTurnsToItsPoint) {
    const WheelLayout w = triggerWheelLayout(settings([](Image& im) {
        im[field::BIKE] = kBikeSpecial;
        im[field::SYNC_METHOD] = 3;
        im[field::LOBE_COUNT] = 5;
        im[field::CHANNEL_COUNT] = 1;
        im[lobeByte(field::MAX_ADV_LOBE, 0)] = 2;
        im[lobeByte(field::MAX_ADV_EDGE2, 0)] = 1;
        im[lobeByte(field::START_ADV_LOBE, 0)] = 3;
        im[lobeByte(field::START_ADV_EDGE2, 0)] = 0;
    }));
    // Six slots of 60°, lobes 27° wide; lobe 2's trailing edge at the pick-up.
    EXPECT_EQ(firstEdges(w), (std::vector<double>{87, 27, 327, 267, 207}));
    EXPECT_DOUBLE_EQ(w.lobes[1].secondEdge, 0);
    ASSERT_EQ(w.pickups.size(), 1u) << "the method reads one pick-up";
    ASSERT_EQ(w.points.size(), 2u);
    EXPECT_DOUBLE_EQ(w.points[0].angle, 0);
    EXPECT_DOUBLE_EQ(w.points[1].angle, 327);

    RecordingCanvas canvas(282, 100);
    drawTriggerWheel(canvas, w, {"TDC", {}});
    EXPECT_EQ(groups(canvas, "lobe"), 5);
    EXPECT_EQ(groups(canvas, "pickup"), 1);
}

TEST(TriggerWheel, InsertedLobeSitsInTheGapAfterTheLast) {
    const WheelLayout w = triggerWheelLayout(settings([](Image& im) {
        im[field::BIKE] = kBikeSpecial;
        im[field::SYNC_METHOD] = 1;
        im[field::LOBE_COUNT] = 3;
    }));
    ASSERT_EQ(w.lobes.size(), 4u);
    EXPECT_EQ(w.lobes[3].number, 0);
    // Lobe 3 ends at 360 - 240 - 40 = 80°; lobe 1 begins again at 360°:
    // the inserted lobe (20° wide) is centred at 40°.
    EXPECT_DOUBLE_EQ(w.lobes[3].firstEdge, 50);
    EXPECT_DOUBLE_EQ(w.lobes[3].secondEdge, 30);

    RecordingCanvas canvas(360, 420);
    drawTriggerWheel(canvas, w, {"TDC", {}});
    EXPECT_EQ(groups(canvas, "lobe"), 3);
    EXPECT_EQ(groups(canvas, "inserted-lobe"), 1);
}

}  // namespace
}  // namespace tz::graphs
