// The table of monitor fields: the simulated unit writes each field where
// the decoder reads it, and no two fields share a byte.
#include "link/monitor_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim/monitor_fields.h"

namespace tz::link {
namespace {

// A value of its own for every field, within what the field can carry.
int sampleFor(const MonitorField& field, int index) {
    if (field.flag) return 1;
    if (field.scale == FieldScale::Millivolts) return 1000 + index;
    return std::min(field.max, 3 + index);
}

TEST(MonitorFieldTable, EveryFrameFieldTravelsFromTheSimulatorToTheDecoder) {
    sim::MonitorFields unit;
    const std::span<const MonitorField> fields = AllMonitorFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].inFrame()) unit.set(fields[i], sampleFor(fields[i], static_cast<int>(i)));
    const std::optional<LiveValues> decoded = DecodeMonitorFrame(unit.frame());
    ASSERT_TRUE(decoded);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const MonitorField& f = fields[i];
        if (!f.inFrame()) continue;
        const int sent = sampleFor(f, static_cast<int>(i));
        const int expected = f.scale == FieldScale::Millivolts ? sent * 5000 / 1023 : sent;
        EXPECT_EQ(f.get(*decoded), expected) << f.frameName;
        // The simulator's replay sends back what the decoder gave.
        EXPECT_EQ(FrameValueOf(f, *decoded), sent) << f.frameName;
    }
}

TEST(MonitorFieldTable, FieldsKeepToTheirOwnBytesAndNames) {
    std::set<int> bytes;
    std::set<std::string_view> frameNames;
    std::set<std::string_view> names;
    for (const MonitorField& f : AllMonitorFields()) {
        if (!f.name.empty()) {
            EXPECT_TRUE(names.insert(f.name).second) << f.name;
        }
        if (!f.inFrame()) continue;
        EXPECT_TRUE(frameNames.insert(f.frameName).second) << f.frameName;
        EXPECT_EQ(FindFrameField(f.frameName), &f);
        for (int b = 0; b < f.width; ++b) {
            EXPECT_GT(f.offset + b, 0) << f.frameName << ": the first byte is the frame's kind";
            EXPECT_LT(f.offset + b, static_cast<int>(kFrameSize) - 1) << f.frameName;
            EXPECT_TRUE(bytes.insert(f.offset + b).second) << f.frameName;
        }
    }
    EXPECT_EQ(FindFrameField("no-such-field"), nullptr);
    EXPECT_EQ(FindFrameField(""), nullptr);
}

}  // namespace
}  // namespace tz::link
