// The cost of committing one edit in the window's logic, headless: a map
// cell typed into its edit box and left, and a value field stepped with its
// up/down, each repaired, recorded and shown.
#include <benchmark/benchmark.h>

#include <string>

#include "headless_services.h"
#include "params/param_state.h"
#include "presenter/window_presenter.h"

namespace {

using namespace tz;

struct HeadlessWindow {
    HeadlessWindow()
        : unit(config()), headless(unit, nowMs), window(headless.services(headless.surfaces), {}) {
        window.FormCreate();
    }
    static sim::UnitConfig config() {
        sim::UnitConfig c;
        c.stored = firstStartState().image;
        return c;
    }
    ui::ControlId id(const char* name) { return window.controls().id(ui::ControlName{name}); }

    std::int64_t nowMs = 0;
    sim::UnitModel unit;
    bench::HeadlessServices headless;
    presenter::WindowPresenter window;
};

void BM_CellEditCommit(benchmark::State& state) {
    HeadlessWindow w;
    w.window.pageChanged(w.id("PageControl1"), 2);
    const ui::ControlId edit = w.window.index().cellEdits[45];
    int value = 10;
    for (auto _ : state) {
        value = value == 10 ? 11 : 10;
        w.window.controls().userSetText(edit, std::to_string(value));
        w.window.editExited(edit);
    }
}
BENCHMARK(BM_CellEditCommit);

void BM_UpDownStepCommit(benchmark::State& state) {
    HeadlessWindow w;
    const ui::ControlId upDown = w.id("UpDownBaseAdv");
    int value = 10;
    for (auto _ : state) {
        value = value == 10 ? 11 : 10;
        w.window.controls().userSetPosition(upDown, value);
        w.window.upDownClicked(upDown, value == 11 ? 1 : -1);
    }
}
BENCHMARK(BM_UpDownStepCommit);

}  // namespace
