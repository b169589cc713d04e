#include "design/design_parts.h"

#include <string>
#include <vector>

#include "design/window_design.h"

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

// In the right column under the live values, above "Programming after
// change".
constexpr int kLeft = 676;
constexpr int kTop = 390;
constexpr int kWidth = kClientWidth - kLeft - 7;
constexpr int kHeight = 172;
constexpr int kInner = kWidth - 16;

}  // namespace

// Shown only while a live-data log is replayed; its texts come with the
// caption fill and the replay.
void buildReplayBar(const Builder& window) {
    Control group =
        control(Kind::GroupBox, "GroupBoxReplay", {kLeft, kTop, kWidth, kHeight}, "Replay");
    group.visible = false;
    const Builder bar = window.into(window.add(std::move(group)));
    bar.add(label("LabelReplayFile", {8, 20, kInner, kLabelHeight + 2}, ""));
    Control position = control(Kind::TrackBar, "TrackBarReplay", {4, 40, kWidth - 8, 26});
    position.max = 0;
    position.showHint = true;
    bar.add(std::move(position));
    bar.add(label("LabelReplayTime", {8, 70, kInner, kLabelHeight + 2}, ""));
    Control play = control(Kind::Button, "ButtonReplayPlay", {8, 94, 110, 26}, "Play");
    play.showHint = true;
    bar.add(std::move(play));
    Control speed = comboBox("ComboBoxReplaySpeed", {126, 96, 62, 22},
                             std::vector<std::string>{"¼×", "½×", "1×", "2×", "4×", "8×"});
    speed.itemIndex = 2;
    speed.showHint = true;
    bar.add(std::move(speed));
    bar.add(control(Kind::CheckBox, "CheckBoxReplayLoop", {196, 98, kWidth - 204, kCheckBoxHeight},
                    "Loop"));
    bar.add(control(Kind::Button, "ButtonReplayStop", {8, 132, 180, 26}, "Stop replay"));
}

}  // namespace tz::design
