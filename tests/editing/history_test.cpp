#include "editing/history.h"

#include <gtest/gtest.h>

namespace tz {
namespace {

Image imageNumbered(int n) {
    Image image{};
    image[100] = static_cast<std::uint8_t>(n);
    image[101] = static_cast<std::uint8_t>(n >> 8);
    return image;
}

int numberOf(const Image& image) {
    return image[100] | (image[101] << 8);
}

TEST(History, StartsWithNothingToUndoOrRedo) {
    History h;
    h.reset(imageNumbered(0), 2);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
    EXPECT_FALSE(h.undo());
    EXPECT_FALSE(h.redo());
}

TEST(History, OnlyRealChangesArePushedAndThePageIsKept) {
    History h;
    h.reset(imageNumbered(0), 0);
    EXPECT_FALSE(h.push(imageNumbered(0), 3));
    EXPECT_TRUE(h.push(imageNumbered(1), 2));
    const auto bytes = h.snapshotBytes(h.current());
    EXPECT_EQ(bytes[300], 2);
    for (int i = 301; i < History::kSnapshotSize; ++i) EXPECT_EQ(bytes[i], 0);

    const auto back = h.undo();
    ASSERT_TRUE(back);
    EXPECT_EQ(numberOf(back->image), 0);
    EXPECT_EQ(back->page, 0);
    EXPECT_TRUE(h.canRedo());
    const auto again = h.redo();
    ASSERT_TRUE(again);
    EXPECT_EQ(numberOf(again->image), 1);
    EXPECT_EQ(again->page, 2);
}

TEST(History, FullRingKeeps199StepsBack) {
    History h;
    h.reset(imageNumbered(0), 0);
    for (int n = 1; n <= 205; ++n) ASSERT_TRUE(h.push(imageNumbered(n), 0));
    std::optional<History::Snapshot> s;
    for (int i = 0; i < 199; ++i) {
        s = h.undo();
        ASSERT_TRUE(s) << i;
    }
    EXPECT_EQ(numberOf(s->image), 6);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.undo());
    for (int i = 0; i < 199; ++i) ASSERT_TRUE(h.redo());
    EXPECT_FALSE(h.canRedo());
}

TEST(History, ANewChangeDropsTheRedoSteps) {
    History h;
    h.reset(imageNumbered(0), 0);
    for (int n = 1; n <= 5; ++n) h.push(imageNumbered(n), 0);
    for (int i = 0; i < 3; ++i) h.undo();
    EXPECT_TRUE(h.push(imageNumbered(50), 0));
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(numberOf(h.undo()->image), 2);
}

}  // namespace
}  // namespace tz
