// A headless window for the link tests: it records what the link shows.
#pragma once

#include <string>
#include <vector>

#include "link/link_host.h"
#include "link/monitor.h"

namespace tz::link::testing {

class FakeHost final : public LinkHost {
  public:
    FakeHost() : params_(firstStartState()) {
        messages_.fillMessages(texts::Language::English);
        messages_.fillCaptionEntries(texts::Language::English);
    }

    ParamState& params() override { return params_; }
    const texts::MessageCatalogue& messages() const override { return messages_; }
    bool PrepareToSend() override {
        ++prepared;
        return !bindingBusy;
    }
    void NormaliseAndShow() override { ++normalisedAndShown; }
    void ImageWasRead() override { ++imagesRead; }

    void ShowMessageLine(std::string_view text, ui::Colour colour) override {
        line = text;
        lineColour = colour;
        lineCountdown = 200;
        lineVisible = true;
    }
    void SetMessageLineText(std::string_view text) override { line = text; }
    void ClearMessageLineCountdown() override { lineCountdown = 0; }
    bool TickMessageLine() override {
        if (lineCountdown > 0) {
            --lineCountdown;
            lineVisible = true;
            return true;
        }
        lineVisible = false;
        progressVisible = false;
        return false;
    }
    void SetProgress(int maximum, int position) override {
        progressMax = maximum;
        progressPosition = position;
        progressPositions.push_back(position);
    }
    void ShowProgress() override { progressVisible = true; }
    void ShowMessageBox(std::string_view text) override { boxes.emplace_back(text); }
    void SetNotConnectedBanner(bool notConnected) override { banner = notConnected; }
    void ShowPortLabel(std::string_view text) override { portLabel = text; }
    void CheckPortMenu(int portIndex) override { checkedPort = portIndex; }
    void ShowMonitor(const MonitorDisplay& d) override {
        display = d;
        ++monitorFrames;
    }
    void RefreshLayout() override { ++layoutRefreshes; }

    ParamState params_;
    texts::MessageCatalogue messages_;
    bool bindingBusy = false;
    int prepared = 0;
    int normalisedAndShown = 0;
    int imagesRead = 0;
    std::string line;
    ui::Colour lineColour = ui::Colour::ButtonFace;
    int lineCountdown = 0;
    bool lineVisible = false;
    int progressMax = 3;
    int progressPosition = 0;
    std::vector<int> progressPositions;
    bool progressVisible = false;
    std::vector<std::string> boxes;
    bool banner = false;
    std::string portLabel;
    int checkedPort = -1;
    MonitorDisplay display;
    int monitorFrames = 0;
    int layoutRefreshes = 0;
};

}  // namespace tz::link::testing
