#include <string>

#include "design/design_parts.h"

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

constexpr int kPlotHeight = 290;
constexpr int kChannelsTop = 328;
constexpr int kChannelWidth = 124;
constexpr int kChannelRows = 8;
constexpr int kHistogramLeft = 380;

Control surface(std::string_view name, ui::Rect bounds) {
    Control c = control(Kind::Canvas, name, bounds);
    c.tabStop = false;
    c.showHint = true;
    return c;
}

}  // namespace

// The plot of the replayed log over the page's width; under it the whole-ride
// button, the channels' check boxes and the histogram. The channels' captions
// and the histogram's items come with the log view, in the window's language.
void buildLogPage(const Builder& page) {
    page.add(surface("LogPlot", {4, 4, kPageWidth - 8, kPlotHeight}));
    page.add(control(Kind::Button, "ButtonLogWhole", {4, kPlotHeight + 10, 110, 24}, "Whole ride"));
    page.add(
        label("LabelLogHelp", {122, kPlotHeight + 15, kPageWidth - 126, kLabelHeight + 2}, ""));
    for (int i = 0; i < kLogChannelBoxes; ++i) {
        const ui::Rect bounds{4 + i / kChannelRows * kChannelWidth,
                              kChannelsTop + i % kChannelRows * kCheckBoxHeight, kChannelWidth - 2,
                              kCheckBoxHeight};
        page.add(control(Kind::CheckBox, "CheckBoxLogChannel" + std::to_string(i + 1), bounds));
    }
    Control channel =
        comboBox("ComboBoxLogHistogram",
                 {kHistogramLeft, kChannelsTop - 2, kPageWidth - kHistogramLeft - 4, 22}, {});
    channel.showHint = true;
    page.add(std::move(channel));
    page.add(
        surface("LogHistogram", {kHistogramLeft, kChannelsTop + 24, kPageWidth - kHistogramLeft - 4,
                                 kPageHeight - kChannelsTop - 28}));
}

}  // namespace tz::design
