#include "presenter/log_view.h"

#include <cmath>
#include <string>

#include "design/control_names.h"
#include "plots/channels.h"
#include "plots/histogram.h"
#include "texts/live_log_texts.h"
#include "texts/log_view_texts.h"

namespace tz::presenter {

namespace {

constexpr graphs::Rgb kBackground = graphs::colour::kWhite;

std::uint32_t bit(std::size_t column) {
    return std::uint32_t{1} << column;
}

}  // namespace

LogView::LogView(ui::ControlModel& controls, session::Session& session, SessionView& view,
                 Surfaces& surfaces, Captions& captions)
    : controls_(controls),
      session_(session),
      view_(view),
      surfaces_(surfaces),
      captions_(captions),
      plot_(controls.id(ctl::LogPlot)),
      histogram_(controls.id(ctl::LogHistogram)),
      histogramChoice_(controls.id(ctl::ComboBoxLogHistogram)) {
    for (std::size_t i = 0; i < channelBoxes_.size(); ++i) {
        const std::string name = "CheckBoxLogChannel" + std::to_string(i + 1);
        channelBoxes_[i] = controls.id(ui::ControlName{name});
    }
    for (const logs::LiveColumn c : plots::defaultChannels())
        controls_.setChecked(channelBoxes_[static_cast<std::size_t>(c)], true);
    caption(captions_.textLanguage());
    controls_.setItemIndex(histogramChoice_, static_cast<int>(logs::LiveColumn::Rpm));
}

void LogView::replayChanged() {
    const logs::LogPlayer* player = session_.replay();
    series_ = player != nullptr ? plots::LogSeries(player->log()) : plots::LogSeries();
    ++generation_;
    timeView_.reset(series_.durationMs());
    for (std::size_t i = 0; i < channelBoxes_.size(); ++i)
        controls_.setEnabled(channelBoxes_[i],
                             !hasLog() || series_.has(static_cast<logs::LiveColumn>(i)));
}

void LogView::caption(texts::Language language) {
    captionedIn_ = language;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < channelBoxes_.size(); ++i) {
        names.emplace_back(texts::logChannelName(i, language));
        controls_.setCaption(channelBoxes_[i], names.back());
    }
    const int chosen = controls_.itemIndex(histogramChoice_);
    controls_.setItems(histogramChoice_, std::move(names));
    controls_.setItemIndex(histogramChoice_, chosen);
}

bool LogView::clicked(ui::ControlId control) {
    if (control != controls_.id(ctl::ButtonLogWhole)) return false;
    timeView_.showWhole();
    return true;
}

bool LogView::checkBoxReleased(ui::ControlId checkBox) {
    // The pictures follow the boxes at the next tick.
    return std::find(channelBoxes_.begin(), channelBoxes_.end(), checkBox) != channelBoxes_.end();
}

bool LogView::comboChanged(ui::ControlId comboBox, int) {
    return comboBox == histogramChoice_;
}

std::optional<std::int64_t> LogView::cursorMs() const {
    const logs::LogPlayer* player = session_.replay();
    if (!hasLog() || player == nullptr) return std::nullopt;
    return player->positionMs();
}

void LogView::seek(int x) {
    if (!hasLog() || !session_.replaying()) return;
    view_.apply(session_.seekReplay(geometry_.axis.time(x)));
}

bool LogView::mouse(ui::ControlId surface, const PointerEvent& event) {
    if (surface != plot_) return surface == histogram_;
    using Type = PointerEvent::Type;
    hovering_ = event.type != Type::Leave;
    pointerX_ = event.x;
    if (event.type == Type::Press) {
        seeking_ = event.button == PointerEvent::Button::Left && !event.shift;
        panning_ = !seeking_;
        panStartX_ = event.x;
        panStartFromMs_ = timeView_.fromMs();
    } else if (event.type == Type::Release) {
        seeking_ = panning_ = false;
    }
    if (seeking_ && event.type != Type::Release) seek(event.x);
    if (panning_ && event.type == Type::Move) {
        const int width = std::max(geometry_.axis.right - 1 - geometry_.axis.left, 1);
        const std::int64_t by = (panStartX_ - event.x) * timeView_.spanMs() / width;
        timeView_.pan(panStartFromMs_ + by - timeView_.fromMs());
    }
    return true;
}

bool LogView::wheel(int delta) {
    if (!hovering_ || !hasLog()) return false;
    timeView_.zoom(geometry_.axis.time(pointerX_), std::pow(kZoomPerNotch, delta / 120.0));
    return true;
}

void LogView::tick(int activePage) {
    const texts::Language language = captions_.textLanguage();
    if (captionedIn_ != language) caption(language);
    if (activePage != kPage) {
        // Drawn afresh when the page shows again.
        plotShown_.generation = histogramShown_.generation = -1;
        return;
    }
    const std::optional<std::int64_t> cursor = cursorMs();
    const logs::LogPlayer* player = session_.replay();
    if (cursor && player->playing() && !seeking_ && !panning_) timeView_.follow(*cursor);

    Shown now;
    now.generation = generation_;
    now.fromMs = timeView_.fromMs();
    now.toMs = timeView_.toMs();
    now.histogram = controls_.itemIndex(histogramChoice_);
    now.language = language;
    if (!(now == histogramShown_)) drawHistogram(now);
    for (std::size_t i = 0; i < channelBoxes_.size(); ++i)
        if (controls_.checked(channelBoxes_[i])) now.channels |= bit(i);
    if (cursor) {
        now.cursorX = geometry_.axis.x(*cursor);
        now.cursorRow = series_.rowAt(*cursor);
    }
    if (!(now == plotShown_)) drawPlot(now);
}

void LogView::drawPlot(const Shown& now) {
    plotShown_ = now;
    std::vector<logs::LiveColumn> channels;
    for (std::size_t i = 0; i < channelBoxes_.size(); ++i)
        if ((now.channels & bit(i)) != 0) channels.push_back(static_cast<logs::LiveColumn>(i));
    plots::TimePlot plot;
    plot.series = &series_;
    plot.channels = channels;
    for (std::size_t i = 0; i < plot.names.size(); ++i)
        plot.names[i] = texts::logChannelName(i, now.language);
    plot.emptyText = texts::logViewText(
        hasLog() ? texts::LogViewText::NoChannel : texts::LogViewText::NoLog, now.language);
    plot.fromMs = now.fromMs;
    plot.toMs = now.toMs;
    plot.cursorMs = cursorMs();
    plot.background = kBackground;
    surfaces_.paint(plot_,
                    [&](graphs::Canvas& canvas) { geometry_ = plots::drawTimePlot(canvas, plot); });
    // The cursor's pixel under the geometry just drawn.
    if (plot.cursorMs) plotShown_.cursorX = geometry_.axis.x(*plot.cursorMs);
}

void LogView::drawHistogram(const Shown& now) {
    histogramShown_ = now;
    const std::size_t chosen = static_cast<std::size_t>(
        std::clamp(now.histogram, 0, static_cast<int>(logs::kLiveColumnCount) - 1));
    const auto column = static_cast<logs::LiveColumn>(chosen);
    const plots::Histogram h = plots::TimeHistogram(series_, column, now.fromMs, now.toMs);
    const std::string title =
        texts::fillIn(texts::logViewText(texts::LogViewText::HistogramTitle, now.language),
                      {texts::logChannelName(chosen, now.language)});
    surfaces_.paint(histogram_, [&](graphs::Canvas& canvas) {
        plots::drawHistogram(canvas, h, title, kBackground);
    });
}

}  // namespace tz::presenter
