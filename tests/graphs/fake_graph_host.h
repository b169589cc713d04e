// A graph host for tests: the parameter image with its normalisation, and
// a record of every call the graphs make on the window.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "graphs/graph_host.h"
#include "params/param_state.h"

namespace tz::graphs::test {

struct Painted {
    std::string surface;
    RecordingCanvas canvas;
};

class FakeGraphHost : public GraphHost {
  public:
    FakeGraphHost() {
        // A plain map: breakpoints 1000..10000 rpm, every cell 20 degrees.
        for (int c = 0; c < 10; ++c)
            state.image[field::RPM_ADV + c] = static_cast<std::uint8_t>(10 * (c + 1));
        for (int i = 0; i < 100; ++i) state.image[field::ADVANCE + i] = 20;
        state.image[field::BASE_ADV] = 10;
        state.image[field::LIMITER_RPM] = 110;
        state.image[field::TPS_MAPA] = 1;
        state.normalise();
    }

    const Image& image() const override { return state.image; }
    void dragTo(const Image& edited) override {
        ++normalisations;
        state.image = edited;
        state.normalise();
    }
    void commitEdit(const Image& edited) override {
        ++commits;
        state.image = edited;
        state.normalise();
    }
    void paint(std::string_view surface, const std::function<void(Canvas&)>& draw) override {
        Painted& p = painted.emplace_back(Painted{std::string(surface), RecordingCanvas(640, 420)});
        draw(p.canvas);
    }
    void setHint(std::string_view surface, std::string_view text) override {
        hints[std::string(surface)] = text;
    }
    void movePointer(std::string_view, int x, int y) override { pointerMoves.push_back({x, y}); }
    void focusControl(std::string_view name) override { focused.emplace_back(name); }
    void setAngleBars(const std::array<int, 3>& positions) override { angleBars = positions; }
    void refreshCaptions() override { ++captionRefreshes; }

    int paintsOf(std::string_view surface) const {
        int n = 0;
        for (const Painted& p : painted) n += p.surface == surface ? 1 : 0;
        return n;
    }

    ParamState state = firstStartState();
    int normalisations = 0;
    int commits = 0;
    std::vector<Painted> painted;
    std::map<std::string, std::string> hints;
    std::vector<Point> pointerMoves;
    std::vector<std::string> focused;
    std::array<int, 3> angleBars{};
    int captionRefreshes = 0;
};

}  // namespace tz::graphs::test
