// Cost of one full picture of the 3D graph and of the 2D map graph,
// rescale included, as during mouse rotation or a drag. The null canvas
// measures the graphs' own work; the recording canvas adds keeping every
// call; built with TZ_WITH_QT, the QPainter canvas paints into a QImage as
// the window does.
#include <benchmark/benchmark.h>

#ifdef TZ_WITH_QT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "gui/qt_canvas.h"
#endif

#include "canvas/recording_canvas.h"
#include "graphs/graph2d.h"
#include "graphs/graph3d.h"
#include "graphs/graph_area.h"
#include "params/param_state.h"

namespace {

using namespace tz::graphs;

class NullCanvas final : public Canvas {
  public:
    NullCanvas(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPen(Rgb, int) override {}
    void setBrush(Rgb) override {}
    void setBrushStyle(BrushStyle) override {}
    void setFont(const Font&) override {}
    void setClip(const IntRect&) override {}
    void fillRect(const IntRect&) override {}
    void frameRect(const IntRect&) override {}
    void rectangle(const IntRect&) override {}
    void roundRect(const IntRect&, int) override {}
    void ellipse(const IntRect&) override {}
    void polygon(std::span<const Point> points) override {
        benchmark::DoNotOptimize(points.data());
    }
    void moveTo(int, int) override {}
    void lineTo(int x, int y) override { benchmark::DoNotOptimize(x + y); }
    void textOut(int, int, std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
    }
    int textWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    int textHeight(std::string_view) override { return 13; }

  private:
    int width_;
    int height_;
};

// Owns a canvas of a given size for the benchmarks.
template <class CanvasType>
class Surface {
  public:
    Surface(int width, int height) : canvas_(width, height) {}
    Canvas& canvas() { return canvas_; }
    void reset() {
        if constexpr (std::is_same_v<CanvasType, RecordingCanvas>) canvas_.clear();
    }

  private:
    CanvasType canvas_;
};

#ifdef TZ_WITH_QT
struct QPainterCanvas {};

template <>
class Surface<QPainterCanvas> {
  public:
    Surface(int width, int height)
        : image_((application(), QSize(width, height)), QImage::Format_ARGB32_Premultiplied),
          painter_(&image_),
          canvas_(painter_, width, height) {}
    Canvas& canvas() { return canvas_; }
    void reset() {}

  private:
    static QGuiApplication& application() {
        static int argc = 1;
        static char name[] = "tz_qt_graphs_bench";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
        return app;
    }
    QImage image_;
    QPainter painter_;
    tz::gui::QtCanvas canvas_;
};
#endif

// A host with the default map made uneven, the TPS map on and the engine
// running, so that every mark is drawn.
class BenchHost final : public GraphHost {
  public:
    BenchHost() {
        state.image[tz::field::TPS_MAPA] = 1;
        for (int i = 0; i < 100; ++i)
            state.image[tz::field::ADVANCE + i] = static_cast<std::uint8_t>(10 + (i * 7) % 40);
    }
    const tz::Image& image() const override { return state.image; }
    void dragTo(const tz::Image& edited) override {
        state.image = edited;
        state.normalise();
    }
    void commitEdit(const tz::Image& edited) override { dragTo(edited); }
    void paint(std::string_view, const std::function<void(Canvas&)>&) override {}
    void setHint(std::string_view, std::string_view) override {}
    void movePointer(std::string_view, int, int) override {}
    void focusControl(std::string_view) override {}
    void setAngleBars(const std::array<int, 3>&) override {}
    void refreshCaptions() override {}

    tz::ParamState state = tz::firstStartState();
};

template <class CanvasType>
void BM_Draw3D(benchmark::State& state) {
    BenchHost host;
    tz::editing::TSelcell selection;
    selection.cellFlags[45] = tz::editing::kCellSelected;
    selection.cellFlags[46] = tz::editing::kCellSelected;
    TGraph3D graph(host, "3D", "legend");
    graph.selection = &selection;
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    graph.setSize(width, height);
    graph.setLegendHeight(height - 163);
    graph.LoadFromImage();
    graph.setAngleBars(presetBars(ViewPreset::Iso));
    graph.TrackLive(5200, 45, true);
    Surface<CanvasType> surface(width, height);
    for (auto _ : state) {
        graph.dirtyFlags = kRescale;
        graph.Draw(surface.canvas());
        graph.DrawLegend(surface.canvas());
        surface.reset();
    }
}

template <class CanvasType>
void BM_DrawMapGraph(benchmark::State& state) {
    BenchHost host;
    tz::editing::TSelcell selection;
    TGraph2D graph(host, GraphSource::AdvanceMap, "map");
    graph.selection = &selection;
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    graph.setSize(width, height);
    graph.LoadFromImage();
    graph.TrackLive(5200, 45, true);
    Surface<CanvasType> surface(width, height);
    for (auto _ : state) {
        graph.dirtyFlags = kRescale;
        graph.Draw(surface.canvas());
        surface.reset();
    }
}

// The window's sizes (3D graph 468 x 420, map graph 645 x 420) and full HD.
BENCHMARK(BM_Draw3D<NullCanvas>)->Args({468, 420})->Args({1920, 1080});
BENCHMARK(BM_Draw3D<RecordingCanvas>)->Args({468, 420})->Args({1920, 1080});
BENCHMARK(BM_DrawMapGraph<NullCanvas>)->Args({645, 420})->Args({1920, 1080});
BENCHMARK(BM_DrawMapGraph<RecordingCanvas>)->Args({645, 420})->Args({1920, 1080});
#ifdef TZ_WITH_QT
BENCHMARK(BM_Draw3D<QPainterCanvas>)->Args({468, 420})->Args({1920, 1080});
BENCHMARK(BM_DrawMapGraph<QPainterCanvas>)->Args({645, 420})->Args({1920, 1080});
#endif

}  // namespace
