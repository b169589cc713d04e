#include "presenter/message_line.h"

#include "design/control_names.h"

namespace tz::presenter {

MessageLine::MessageLine(ui::ControlModel& controls, const WindowMode& mode)
    : controls_(controls),
      mode_(mode),
      line_(controls.id(ctl::LabelHlaseni)),
      gauge_(controls.id(ctl::CGaugeProgram)) {}

void MessageLine::show(std::string_view text, ui::Colour colour) {
    controls_.setColour(line_, colour);
    controls_.setCaption(line_, text);
    countdown_ = kShownTicks;
    controls_.setVisible(line_, true);
}

void MessageLine::setText(std::string_view text) {
    controls_.setCaption(line_, text);
}

void MessageLine::tick() {
    if (countdown_ > 0) {
        --countdown_;
        if (!mode_.printLayout) controls_.setVisible(line_, true);
        return;
    }
    controls_.setVisible(line_, false);
    controls_.setVisible(gauge_, false);
}

void MessageLine::hide() {
    controls_.setVisible(line_, false);
    controls_.setVisible(gauge_, false);
}

void MessageLine::setProgress(int maximum, int position) {
    controls_.setMax(gauge_, maximum);
    controls_.setPosition(gauge_, position);
}

void MessageLine::showProgress() {
    controls_.setVisible(gauge_, true);
}

const std::string& MessageLine::text() const {
    return controls_.at(line_).caption;
}

bool MessageLine::isError() const {
    return controls_.at(line_).colour == ui::Colour::Red;
}

}  // namespace tz::presenter
