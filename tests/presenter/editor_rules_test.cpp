// The window's controls and the editor rules agree: every image the rules
// give shows in the controls and reads back from them unchanged, so that
// programs without a window program and save what the window shows.
#include "params/editor_rules.h"

#include <gtest/gtest.h>

#include <random>

#include "params/ign_reader.h"
#include "platform/atomic_file.h"
#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using testing::WindowTest;

class EditorRules : public WindowTest {
  protected:
    // What a window that showed the first-start image makes of an image: shown,
    // then read from its controls.
    Image throughTheControls(const Image& image) {
        presenter::WindowPresenter& w = *window;
        w.binding().showImage(firstStartState().image);
        testing::putImage(w.session(), image);
        w.captions().fillCaptions();
        w.binding().showImage(image);
        return testing::readBack(w, image);
    }
    static Image byRule(Image image) {
        ApplyEditorRules(image);
        return image;
    }
};

TEST_F(EditorRules, MatchTheControlsOnFilesAndRandomImages) {
    start();
    for (const char* file : {"defaults.ign", "older_v76.ign"}) {
        ParamState s = firstStartState();
        const auto text = readWholeFile(std::string(TZ_PARAMS_DATA_DIR) + "/" + file);
        ASSERT_TRUE(text);
        ReadIgnFile(*text, s.image);
        s.normalise();
        EXPECT_EQ(byRule(s.image), throughTheControls(byRule(s.image))) << file;
    }
    std::mt19937 random(11);
    for (int run = 0; run < 300; ++run) {
        ParamState s = firstStartState();
        for (int k = 0; k < kImageSize; ++k)
            if (random() % 8 == 0) s.image[k] = static_cast<std::uint8_t>(random());
        s.normalise();
        const Image rule = byRule(s.image);
        const Image controls = throughTheControls(rule);
        for (int k = 0; k < kImageSize; ++k)
            EXPECT_EQ(rule[k], controls[k]) << "byte " << k << " of run " << run;
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace tz
