#include "presenter/wheel_view.h"

#include <string>
#include <vector>

#include "design/control_names.h"
#include "graphs/trigger_wheel.h"
#include "texts/check_texts.h"

namespace tz::presenter {

void WheelView::refresh() {
    const texts::Language language = captions_.textLanguage();
    if (drawn_ == session_.image() && language == language_) return;
    drawn_ = session_.image();
    language_ = language;
    const graphs::WheelLayout layout = graphs::triggerWheelLayout(*drawn_);
    const std::string tdc = texts::checkText(texts::CheckText::WheelTdc, language);
    const std::vector<std::string> caption = texts::wheelCaption(language, layout.largestAdvance);
    surfaces_.paint(controls_.id(ctl::PaintBoxWheel), [&](graphs::Canvas& canvas) {
        graphs::drawTriggerWheel(canvas, layout, {tdc, caption});
    });
}

}  // namespace tz::presenter
