#include "canvas/contrast.h"

#include <gtest/gtest.h>

#include <vector>

namespace tz::graphs {
namespace {

TEST(Contrast, RatioRunsFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
    EXPECT_DOUBLE_EQ(contrastRatio(colour::kRed, colour::kRed), 1.0);
    EXPECT_NEAR(contrastRatio(colour::kBlack, colour::kWhite), 21.0, 1e-9);
    EXPECT_DOUBLE_EQ(contrastRatio(colour::kWhite, colour::kBlack),
                     contrastRatio(colour::kBlack, colour::kWhite));
    EXPECT_NEAR(contrastRatio(colour::kGrey, colour::kWhite), 3.95, 0.01);
}

struct Case {
    const char* what;
    Rgb wanted;
    Rgb background;
    double minimum;
};

// Dark palettes of desktops: near-black bases and a dark grey button face.
TEST(Contrast, AColourThatReadsBadlyIsMovedAwayFromTheBackgroundAsLittleAsNeeded) {
    const std::vector<Case> cases{
        {"black text on a dark base", colour::kBlack, rgb(0x232629), kTextContrast},
        {"dark red finding on a dark base", rgb(0xB00000), rgb(0x1E1E1E), kTextContrast},
        {"blue unit mark on a dark button face", rgb(0x1E3CFF), rgb(0x31363B), kMarkContrast},
        {"white text on the live cell's yellow", colour::kWhite, colour::kYellow, kTextContrast},
        {"grey on grey", colour::kGrey, rgb(0x777777), kTextContrast},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Rgb readable = readableOn(c.wanted, c.background, c.minimum);
        EXPECT_GE(contrastRatio(readable, c.background), c.minimum);
        EXPECT_NE(readable, c.wanted);
    }
    // The finding stays reddish: more red than green or blue.
    const Rgb finding = readableOn(rgb(0xB00000), rgb(0x1E1E1E), kTextContrast);
    EXPECT_GT(finding.r, finding.g);
    EXPECT_EQ(finding.g, finding.b);
}

TEST(Contrast, AColourThatReadsWellIsKept) {
    EXPECT_EQ(readableOn(colour::kBlack, colour::kYellow, kTextContrast), colour::kBlack);
    EXPECT_EQ(readableOn(rgb(0xB00000), colour::kWhite, kTextContrast), rgb(0xB00000));
    EXPECT_EQ(readableOn(colour::kWhite, rgb(0x232629), kTextContrast), colour::kWhite);
}

}  // namespace
}  // namespace tz::graphs
