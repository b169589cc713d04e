#include "graphs/scale2d.h"

#include <gtest/gtest.h>

namespace tz::graphs {
namespace {

Curve mapCurve(int lastBreakpoint, int limiter) {
    Curve c;
    c.mode = kMapRows;
    for (int i = 0; i < 10; ++i) c.xs[i] = lastBreakpoint * (i + 1) / 10;
    c.z.fill(20);
    c.limiterShown = true;
    c.limiterRpm = limiter;
    return c;
}

TEST(Scale2D, XAxisEnd) {
    struct Case {
        int lastBreakpoint;
        int limiter;
        int xMax;
    } cases[] = {
        {10000, 9000, 12500}, {12000, 9000, 15000}, {14000, 9000, 15000},
        {16000, 9000, 17500}, {9000, 11000, 12500}, {0, 0, 2500},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.lastBreakpoint);
        EXPECT_EQ(scaleMapRows(mapCurve(k.lastBreakpoint, k.limiter), 600, 400).xMax, k.xMax);
        Curve single = mapCurve(k.lastBreakpoint, k.limiter);
        single.mode = kSingleCurve;
        EXPECT_EQ(scaleSingleCurve(single, 600, 400).xMax, k.xMax);
    }
}

TEST(Scale2D, RowOffsetKeepsAdjacentRowsApart) {
    struct Case {
        const char* name;
        int rise;  // row 5 above row 4 at one column
        int rowOffset;
    } cases[] = {{"equal rows", 0, 10},
                 {"row 5 higher by 7", 7, 15},
                 {"row 5 lower by 9, so row 6 rises 9", -9, 20},
                 {"row 5 higher by 3", 3, 15}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Curve c = mapCurve(10000, 9000);
        c.z[10 * 5 + 3] = 20 + k.rise;
        EXPECT_EQ(scaleMapRows(c, 600, 400).rowOffset, k.rowOffset);
    }
}

TEST(Scale2D, MapRowsValueRange) {
    Curve c = mapCurve(10000, 9000);
    c.z[0] = 31;   // top row, column 0
    c.z[99] = 13;  // lowest value
    c.baseShown = true;
    c.baseValue = 44;
    const Axes a = scaleMapRows(c, 600, 400);
    EXPECT_EQ(a.yMin, 10);       // (13 - 2) / 10 * 10
    EXPECT_EQ(a.yMax, 50);       // (44 + 9) / 5 * 5
    EXPECT_EQ(a.rowOffset, 10);  // no row rises above the one before
    EXPECT_EQ(a.yTop, 140);      // (9 * 10 + 44 + 9) / 5 * 5
    EXPECT_EQ(a.originX, 40);
    EXPECT_EQ(a.originY, 385);
    EXPECT_EQ(a.plotWidth, 525);
    EXPECT_EQ(a.plotHeight, 380);
    EXPECT_DOUBLE_EQ(a.scaleX, 525.0 / 12500);
    EXPECT_DOUBLE_EQ(a.scaleY, 380.0 / (a.yTop - a.yMin));
}

TEST(Scale2D, SingleCurveValueRange) {
    struct Case {
        int lo;
        int hi;
        int yMin;
        int yMax;
    } cases[] = {{0, 0, 0, 5}, {1, 7, 0, 10}, {45, 120, 40, 125}, {12, 12, 10, 15}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.hi);
        Curve c;
        c.mode = kSingleCurve;
        for (int i = 0; i < 10; ++i) c.xs[i] = 1000 * (i + 1);
        c.z.fill(k.lo);
        c.z[4] = k.hi;
        const Axes a = scaleSingleCurve(c, 500, 300);
        EXPECT_EQ(a.yMin, k.yMin);
        EXPECT_EQ(a.yMax, k.yMax);
        EXPECT_EQ(a.originX, 35);
        EXPECT_DOUBLE_EQ(a.scaleY, 280.0 / (k.yMax - k.yMin));
    }
}

TEST(Scale2D, ValueLabelThinning) {
    struct Case {
        int s;
        std::vector<int> shown;  // among labels 0..40
    } cases[] = {
        {20, {}},
        {10, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40}},
        {5, {0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40}},
        {2, {0, 10, 20, 30, 40}},
        {1, {0, 20, 40}},
        {0, {0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.s);
        std::vector<int> shown;
        for (int i = 0; i <= 40; ++i)
            if (valueLabelShown(i, k.s)) shown.push_back(i);
        if (k.shown.empty())
            EXPECT_EQ(shown.size(), 41u);
        else
            EXPECT_EQ(shown, k.shown);
    }
}

}  // namespace
}  // namespace tz::graphs
