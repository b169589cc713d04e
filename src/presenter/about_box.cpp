#include "presenter/about_box.h"

#include "params/image.h"
#include "platform/build_info.h"

namespace tz {

AboutContent aboutContent(std::uint8_t language) {
    static constexpr const char* kCaptions[] = {"About ", "Über Programm ", "Information ",
                                                "O programu "};
    AboutContent c;
    c.caption = std::string(kCaptions[language < 4 ? language : 0]) + "TZ_ARKO5";
    c.buildDate = buildDateCompilerForm();
    c.buildTime = buildTimeText();
    c.version = "Version - " + std::to_string(kProtocolVersion);
    return c;
}

}  // namespace tz
