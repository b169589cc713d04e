#include <random>

#include "params/param_state.h"
#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowTest;

TEST_F(WindowTest, ShowThenReadKeepsEveryReachableByte) {
    presenter::WindowPresenter& w = start();
    std::mt19937 rng(5);
    for (int round = 0; round < 30; ++round) {
        // Values a user can reach in every control, then repaired.
        std::uniform_int_distribution<int> cell(0, 60), lobes(1, 58), small(0, 1);
        testing::changeImage(w.session(), [&](Image& im) {
            for (int k = 0; k < 100; ++k) im[ADVANCE + k] = static_cast<std::uint8_t>(cell(rng));
            im[BIKE] = kBikeSpecial;
            im[SYNC_METHOD] = static_cast<std::uint8_t>(rng() % 15);
            im[LOBE_COUNT] = static_cast<std::uint8_t>(lobes(rng));
            im[PICKUPS_INTERCHANGE] = static_cast<std::uint8_t>(small(rng));
            im[INPUT1_FUNCTION] = static_cast<std::uint8_t>(rng() % 5);
            im[powerOutMode(1)] = 4;
            im[powerOutMap(1, 2)] = static_cast<std::uint8_t>(rng() % 16);
            im[COR_ADV_2] = static_cast<std::uint8_t>(80 + rng() % 41);
            im[TPS_100_MV] = static_cast<std::uint8_t>(rng() % 226);
        });
        w.edits().commitImage();
        const Image shown = w.session().image();
        const Image read = testing::readBack(w, shown);
        for (int i = 0; i < kImageSize; ++i) {
            if (isReservedByte(i)) continue;
            ASSERT_EQ(read[i], shown[i]) << "byte " << i << " round " << round;
        }
    }
}

TEST_F(WindowTest, TheRepairTakesWhatTheControlsCannotShow) {
    presenter::WindowPresenter& w = start();
    struct Case {
        const char* what;
        int byte;
        int stored;
        int repaired;
    };
    const Case cases[] = {
        {"TPS 0 % below the range", TPS_0_MV, 20, 25},
        {"flag from a file", PICKUPS_INTERCHANGE, 7, 1},
        {"start limiter below its range", START_LIMITER_RPM, 5, 9},
        {"interlock outside special setup", INTERLOCK_INPUT, 1, 0},
        {"spark before lobe outside special setup", SPARK_BEFORE_LOBE, 1, 0},
        {"unknown motorcycle keeps the shown type", BIKE, 9, 0},
        {"power output mode above the list", powerOutMode(0), 7, 4},
    };
    for (const Case& c : cases) {
        testing::changeImage(w.session(),
                             [&](Image& im) { im[c.byte] = static_cast<std::uint8_t>(c.stored); });
        w.edits().commitImage();
        EXPECT_EQ(w.session().image()[c.byte], c.repaired) << c.what;
        EXPECT_EQ(testing::readBack(w, w.session().image()), w.session().image()) << c.what;
    }
    EXPECT_FALSE(control("CheckBoxCrossBlock").checked);
}

TEST_F(WindowTest, InterlockFlagsSurviveOnlyUnderSpecialWithMethodZero) {
    presenter::WindowPresenter& w = start();
    for (int method : {0, 1}) {
        testing::changeImage(w.session(), [&](Image& im) {
            im[BIKE] = kBikeSpecial;
            im[SYNC_METHOD] = static_cast<std::uint8_t>(method);
            im[INTERLOCK_INPUT] = 1;
            im[SPARK_BEFORE_LOBE] = 1;
        });
        w.edits().commitImage();
        EXPECT_EQ(w.session().image()[INTERLOCK_INPUT], method == 0 ? 1 : 0) << method;
        EXPECT_EQ(w.session().image()[SPARK_BEFORE_LOBE], method == 0 ? 1 : 0) << method;
        EXPECT_EQ(control("CheckBoxCrossBlock").checked, method == 0) << method;
    }
}

TEST_F(WindowTest, Method48ShowsSecondEdgesCheckedAndDisabled) {
    presenter::WindowPresenter& w = start();
    testing::changeImage(w.session(), [&](Image& im) {
        im[BIKE] = kBikeSpecial;
        im[SYNC_METHOD] = 9;
    });
    w.edits().commitImage();
    for (const char* box : {"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2", "CheckBoxPalec1EndH2",
                            "CheckBoxPalec2EndH2"}) {
        EXPECT_TRUE(control(box).checked) << box;
        EXPECT_FALSE(control(box).enabled) << box;
    }
    for (int byte : {38, 39, 42, 43}) EXPECT_EQ(w.session().image()[byte], 1) << byte;
}

TEST_F(WindowTest, ValuesShowInTheirEngineeringUnits) {
    presenter::WindowPresenter& w = start();
    testing::changeImage(w.session(), [&](Image& im) {
        im[TPS_100_MV] = 0;
        im[TACHO_CORRECTION] = 40;
        im[GEBER_MODE] = 0;
        im[BIKE] = kBikeSpecial;
    });
    w.binding().showImage(w.session().image());
    EXPECT_EQ(control("EditTps100").caption, "2500");
    EXPECT_EQ(control("EditRpmKorekce").caption, "-60");
    EXPECT_EQ(control("ComboBoxNasobekPalcu").itemIndex, 3);
    EXPECT_EQ(control("ComboBoxBike").itemIndex, 6);
    EXPECT_EQ(control("EditRpmAdv10").caption, "10000");
    EXPECT_EQ(control("Edit149").caption, "32");
}

}  // namespace
}  // namespace tz
