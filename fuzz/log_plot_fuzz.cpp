// Any log that reads must plot without fault: every channel over the whole
// log and over a part the input's first bytes choose, with the histogram of
// each, and every point the plot draws within the picture's reach.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "canvas/recording_canvas.h"
#include "plots/histogram.h"
#include "plots/time_plot.h"
#include "plots/time_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tz;
    if (size < 2) return 0;
    const logs::ParsedLiveCsv parsed =
        logs::ParseLiveCsv(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
    if (parsed.error) return 0;
    const plots::LogSeries series(parsed.log);
    std::vector<logs::LiveColumn> channels;
    for (std::size_t c = 0; c < logs::kLiveColumnCount; ++c)
        channels.push_back(static_cast<logs::LiveColumn>(c));
    plots::TimePlot plot;
    plot.series = &series;
    plot.channels = channels;
    plots::TimeView view;
    view.reset(series.durationMs());
    view.zoom(series.durationMs() * data[0] / 255, data[1] / 64.0);
    plot.fromMs = view.fromMs();
    plot.toMs = view.toMs();
    plot.cursorMs = view.fromMs();
    graphs::RecordingCanvas canvas(640, 300);
    const plots::PlotGeometry g = plots::drawTimePlot(canvas, plot);
    for (const graphs::DrawCall& call : canvas.calls())
        for (const graphs::Point& p : call.points)
            if (p.y < -1 || p.y > 300 || p.x < -200000 || p.x > 200000) std::abort();
    if (series.rows() > 0 && g.axis.time(g.axis.x(plot.fromMs)) != plot.fromMs) std::abort();
    for (const logs::LiveColumn c : channels) {
        graphs::RecordingCanvas small(256, 117);
        plots::drawHistogram(small, plots::TimeHistogram(series, c, plot.fromMs, plot.toMs), "h",
                             graphs::colour::kWhite);
    }
    return 0;
}
