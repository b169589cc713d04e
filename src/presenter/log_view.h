// The Log page: the replayed log's time plot with the replay position as its
// cursor, the channels' check boxes, the histogram of one channel over the
// time in view, and the pointer: a click or drag on the plot seeks, the
// wheel over it zooms the time axis around the pointer, a right drag pans,
// "Whole ride" shows all again. The drawing is the plots' own; this part
// keeps the view window and draws again only when what shows has changed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/control_model.h"
#include "logs/live_csv.h"
#include "plots/log_series.h"
#include "plots/time_plot.h"
#include "plots/time_view.h"
#include "presenter/captions.h"
#include "presenter/services.h"
#include "presenter/session_view.h"
#include "presenter/ui_events.h"
#include "session/session.h"

namespace tz::presenter {

class LogView {
  public:
    // The page's index among the window's pages.
    static constexpr int kPage = 6;
    // The wheel's notch (120) narrows the window to this share.
    static constexpr double kZoomPerNotch = 0.8;

    LogView(ui::ControlModel& controls, session::Session& session, SessionView& view,
            Surfaces& surfaces, Captions& captions);

    // A replay started or stopped: the plot takes the new log, whole.
    void replayChanged();

    // The page's controls; false for other controls.
    bool clicked(ui::ControlId control);
    bool checkBoxReleased(ui::ControlId checkBox);
    bool comboChanged(ui::ControlId comboBox, int index);
    bool mouse(ui::ControlId surface, const PointerEvent& event);
    // The wheel while the pointer is over the plot; false otherwise.
    bool wheel(int delta);

    // While the page shows: the cursor follows the replay, and what changed
    // is drawn again.
    void tick(int activePage);

    const plots::TimeView& timeView() const { return timeView_; }
    // Where the plot drawn last put its axis and lanes.
    const plots::PlotGeometry& geometry() const { return geometry_; }

  private:
    // What a picture showed; drawn again when it differs.
    struct Shown {
        int generation = -1;
        std::int64_t fromMs = 0;
        std::int64_t toMs = 0;
        int cursorX = 0;
        std::size_t cursorRow = 0;
        std::uint32_t channels = 0;
        int histogram = 0;
        texts::Language language = texts::Language::English;
        bool operator==(const Shown&) const = default;
    };

    bool hasLog() const { return series_.rows() > 0; }
    std::optional<std::int64_t> cursorMs() const;
    void caption(texts::Language language);
    void seek(int x);
    void drawPlot(const Shown& now);
    void drawHistogram(const Shown& now);

    ui::ControlModel& controls_;
    session::Session& session_;
    SessionView& view_;
    Surfaces& surfaces_;
    Captions& captions_;
    ui::ControlId plot_;
    ui::ControlId histogram_;
    ui::ControlId histogramChoice_;
    std::array<ui::ControlId, logs::kLiveColumnCount> channelBoxes_{};

    plots::LogSeries series_;
    int generation_ = 0;
    plots::TimeView timeView_;
    plots::PlotGeometry geometry_;
    std::optional<texts::Language> captionedIn_;
    Shown plotShown_;
    Shown histogramShown_;

    // The pointer over the plot.
    bool hovering_ = false;
    int pointerX_ = 0;
    bool seeking_ = false;
    bool panning_ = false;
    int panStartX_ = 0;
    std::int64_t panStartFromMs_ = 0;
};

}  // namespace tz::presenter
