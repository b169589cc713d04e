#include "plots/time_view.h"

#include <gtest/gtest.h>

#include <functional>

namespace tz::plots {
namespace {

struct Case {
    const char* what;
    std::function<void(TimeView&)> act;
    std::int64_t from;
    std::int64_t to;
};

TEST(TimeView, ZoomPanAndFollowStayWithinTheLog) {
    // A log of 100 s, shown whole at first.
    const Case cases[] = {
        {"whole", [](TimeView&) {}, 0, 100000},
        {"zoom in around the middle keeps it in place", [](TimeView& v) { v.zoom(50000, 0.5); },
         25000, 75000},
        {"zoom in around a quarter keeps it there", [](TimeView& v) { v.zoom(25000, 0.5); }, 12500,
         62500},
        {"zoom out past the whole log", [](TimeView& v) { v.zoom(10000, 5); }, 0, 100000},
        {"zoom in stops at the narrowest window", [](TimeView& v) { v.zoom(50000, 0.0001); }, 49500,
         50500},
        {"pan later",
         [](TimeView& v) {
             v.zoom(50000, 0.1);
             v.pan(20000);
         },
         65000, 75000},
        {"pan stops at the end",
         [](TimeView& v) {
             v.zoom(50000, 0.1);
             v.pan(1000000);
         },
         90000, 100000},
        {"pan stops at the start",
         [](TimeView& v) {
             v.zoom(50000, 0.1);
             v.pan(-1000000);
         },
         0, 10000},
        {"follow a time past the window moves a window's width",
         [](TimeView& v) {
             v.zoom(0, 0.1);
             v.follow(10001);
         },
         10001, 20001},
        {"follow a time inside changes nothing",
         [](TimeView& v) {
             v.zoom(0, 0.1);
             v.follow(5000);
         },
         0, 10000},
        {"follow back to the start after a loop",
         [](TimeView& v) {
             v.zoom(100000, 0.1);
             v.follow(0);
         },
         0, 10000},
        {"whole again",
         [](TimeView& v) {
             v.zoom(30000, 0.1);
             v.showWhole();
         },
         0, 100000},
    };
    for (const Case& c : cases) {
        TimeView view;
        view.reset(100000);
        c.act(view);
        EXPECT_EQ(view.fromMs(), c.from) << c.what;
        EXPECT_EQ(view.toMs(), c.to) << c.what;
    }
}

TEST(TimeView, ShortLogsKeepAnAxis) {
    TimeView view;
    view.reset(0);
    EXPECT_EQ(view.spanMs(), 1);
    view.reset(400);
    view.zoom(200, 0.1);
    EXPECT_EQ(view.spanMs(), 400);
    EXPECT_TRUE(view.whole());
}

}  // namespace
}  // namespace tz::plots
