#include "plots/time_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "canvas/svg_canvas.h"
#include "plots/channels.h"

namespace tz::plots {
namespace {

using graphs::DrawCall;
using graphs::DrawOp;
using graphs::Point;
using graphs::RecordingCanvas;
using logs::LiveColumn;

logs::LiveLog parse(std::string_view text) {
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
    EXPECT_FALSE(parsed.error);
    return parsed.log;
}

// Rows a second apart that start at 5 s: the plot counts from the first row.
const LogSeries& smallSeries() {
    static const LogSeries series(
        parse("time_s,rpm,advance1,running\n"
              "5.000,1000,0,0\n"
              "6.000,4000,10,1\n"
              "7.000,2000,-5,1\n"
              "8.000,8000,20,1\n"));
    return series;
}

struct Plotted {
    RecordingCanvas canvas{640, 300};
    PlotGeometry geometry;
    std::vector<LiveColumn> channels;
};

TimePlot plotOf(const LogSeries& series, const std::vector<LiveColumn>& channels) {
    TimePlot plot;
    plot.series = &series;
    plot.channels = channels;
    plot.names[static_cast<std::size_t>(LiveColumn::Rpm)] = "RPM";
    plot.names[static_cast<std::size_t>(LiveColumn::Advance1)] = "Advance 1";
    plot.emptyText = "no log";
    plot.fromMs = 0;
    plot.toMs = series.durationMs();
    return plot;
}

// The calls drawn inside the named group.
std::vector<DrawCall> group(const RecordingCanvas& canvas, std::string_view name) {
    std::vector<DrawCall> inside;
    bool in = false;
    for (const DrawCall& call : canvas.calls()) {
        if (call.op == DrawOp::BeginGroup && call.text == name) {
            in = true;
        } else if (call.op == DrawOp::EndGroup) {
            in = false;
        } else if (in) {
            inside.push_back(call);
        }
    }
    return inside;
}

TEST(TimePlot, EveryRowLandsWhereTheScalesSay) {
    const std::vector<LiveColumn> channels{LiveColumn::Rpm, LiveColumn::Advance1};
    TimePlot plot = plotOf(smallSeries(), channels);
    RecordingCanvas canvas(640, 300);
    const PlotGeometry g = drawTimePlot(canvas, plot);

    ASSERT_EQ(g.lanes.size(), 2u);
    // The axis spans the traces' inside; rpm 1000..8000 in steps of 2000.
    EXPECT_EQ(g.axis.x(0), g.traces.left + 1);
    EXPECT_EQ(g.axis.x(3000), g.traces.right - 2);
    const Lane& rpm = g.lanes[0];
    EXPECT_EQ(rpm.range.low, 0);
    EXPECT_EQ(rpm.range.high, 8000);
    EXPECT_EQ(rpm.range.step, 2000);
    EXPECT_EQ(rpm.y(0) - rpm.y(4000), rpm.y(4000) - rpm.y(8000));
    EXPECT_LT(rpm.rect.bottom, g.lanes[1].rect.top);

    const int times[] = {0, 1000, 2000, 3000};
    const int rpms[] = {1000, 4000, 2000, 8000};
    const int advances[] = {0, 10, -5, 20};
    for (const auto& [name, lane, values] :
         {std::tuple{"rpm", g.lanes[0], rpms}, std::tuple{"advance1", g.lanes[1], advances}}) {
        const std::vector<DrawCall> trace = group(canvas, name);
        ASSERT_EQ(trace.size(), 1u) << name;
        EXPECT_EQ(trace[0].op, DrawOp::Polyline);
        std::vector<Point> expected;
        for (int i = 0; i < 4; ++i) expected.push_back({g.axis.x(times[i]), lane.y(values[i])});
        EXPECT_EQ(trace[0].points, expected) << name;
        EXPECT_EQ(trace[0].pen, channelStyle(lane.column).colour);
    }
    // The pointer maps back to times.
    EXPECT_EQ(g.axis.time(g.axis.x(2000)), 2000);
    EXPECT_EQ(g.axis.time(-50), 0);
}

TEST(TimePlot, CursorAndLegendFollowTheReplayPosition) {
    const std::vector<LiveColumn> channels{LiveColumn::Rpm, LiveColumn::Advance1};
    TimePlot plot = plotOf(smallSeries(), channels);
    plot.cursorMs = 1500;
    RecordingCanvas canvas(640, 300);
    const PlotGeometry g = drawTimePlot(canvas, plot);
    const std::vector<DrawCall> cursor = group(canvas, "cursor");
    ASSERT_EQ(cursor.size(), 1u);
    EXPECT_EQ(cursor[0].points, (std::vector<Point>{{g.axis.x(1500), g.traces.top},
                                                    {g.axis.x(1500), g.traces.bottom}}));
    const std::vector<std::string> texts = canvas.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "RPM: 4000 rpm"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Advance 1: 10 °"), texts.end());

    // Outside the window there is no cursor.
    plot.fromMs = 2000;
    canvas.clear();
    drawTimePlot(canvas, plot);
    EXPECT_TRUE(group(canvas, "cursor").empty());
}

TEST(TimePlot, AnHourOfRowsCostsAFewPointsPerPixelAndKeepsTheExtremes) {
    std::string text = "time_s,rpm\n";
    for (int i = 0; i < 11000; ++i) {
        const int rpm = i == 5000 ? 12000 : i == 5001 ? 100 : 3000 + i % 7 * 10;
        char row[48];
        std::snprintf(row, sizeof row, "%d.%03d,%d\n", i * 330 / 1000, i * 330 % 1000, rpm);
        text += row;
    }
    const LogSeries series(parse(text));
    const std::vector<LiveColumn> channels{LiveColumn::Rpm};
    RecordingCanvas canvas(400, 200);
    const PlotGeometry g = drawTimePlot(canvas, plotOf(series, channels));
    const std::vector<DrawCall> trace = group(canvas, "rpm");
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_LE(trace[0].points.size(), 4u * 400);
    const auto ys = [&](int value) {
        return std::any_of(trace[0].points.begin(), trace[0].points.end(),
                           [&](Point p) { return p.y == g.lanes[0].y(value); });
    };
    EXPECT_TRUE(ys(12000));
    EXPECT_TRUE(ys(100));
}

TEST(TimePlot, ChannelsTheLogLacksAreLeftOutAndNothingToPlotSaysSo) {
    const std::vector<LiveColumn> channels{LiveColumn::Tps, LiveColumn::Rpm};
    RecordingCanvas canvas(640, 300);
    EXPECT_EQ(drawTimePlot(canvas, plotOf(smallSeries(), channels)).lanes.size(), 1u);

    const std::vector<LiveColumn> missing{LiveColumn::Tps};
    canvas.clear();
    EXPECT_TRUE(drawTimePlot(canvas, plotOf(smallSeries(), missing)).lanes.empty());
    EXPECT_EQ(canvas.texts(), std::vector<std::string>{"no log"});
    canvas.clear();
    const LogSeries none;
    drawTimePlot(canvas, plotOf(none, channels));
    EXPECT_EQ(canvas.texts(), std::vector<std::string>{"no log"});
}

// Well-formed as far as the canvas writes XML: every element closed in
// order, every attribute quoted.
bool wellFormed(const std::string& svg) {
    static const std::regex tag(R"(<(/?)([a-zA-Z]+)((\s+[a-zA-Z:-]+="[^"<]*")*)\s*(/?)>)");
    std::vector<std::string> open;
    std::string rest = svg.substr(svg.find("?>") + 2);
    std::smatch m;
    while (std::regex_search(rest, m, tag)) {
        if (rest.substr(0, static_cast<std::size_t>(m.position())).find('<') != std::string::npos)
            return false;
        if (m[1] == "/") {
            if (open.empty() || open.back() != m[2]) return false;
            open.pop_back();
        } else if (m[5] != "/") {
            open.push_back(m[2]);
        }
        rest = m.suffix();
    }
    return open.empty() && rest.find('<') == std::string::npos;
}

TEST(TimePlot, SvgHasOneWellFormedGroupWithOnePolylinePerChannel) {
    const std::vector<LiveColumn> channels{LiveColumn::Rpm, LiveColumn::Advance1,
                                           LiveColumn::Running};
    TimePlot plot = plotOf(smallSeries(), channels);
    plot.names[static_cast<std::size_t>(LiveColumn::Running)] = "<Running & \"on\">";
    graphs::SvgCanvas canvas(800, 400);
    drawTimePlot(canvas, plot);
    const std::string svg = canvas.document();
    EXPECT_TRUE(wellFormed(svg));
    for (const std::string name : {"rpm", "advance1", "running"}) {
        const std::size_t at = svg.find("<g class=\"" + name + "\">\n<polyline ");
        EXPECT_NE(at, std::string::npos) << name;
    }
}

}  // namespace
}  // namespace tz::plots
