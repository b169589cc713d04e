#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowTest;

struct LayoutCase {
    const char* what;
    std::vector<std::pair<int, int>> bytes;
    std::vector<std::pair<const char*, bool>> visible;
    std::vector<std::pair<const char*, bool>> enabled;
};

class LayoutRules : public WindowTest, public ::testing::WithParamInterface<LayoutCase> {};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.what;
}

TEST_P(LayoutRules, FollowTheImage) {
    presenter::WindowPresenter& w = start();
    for (auto [byte, value] : GetParam().bytes)
        tz::testing::changeImage(w.session(),
                                 [&](Image& im) { im[byte] = static_cast<std::uint8_t>(value); });
    w.binding().showImage(w.session().image());
    for (auto [name, on] : GetParam().visible) EXPECT_EQ(control(name).visible, on) << name;
    for (auto [name, on] : GetParam().enabled) EXPECT_EQ(control(name).enabled, on) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Window, LayoutRules,
    ::testing::Values(
        LayoutCase{
            "classic preset locks the synchronisation",
            {{BIKE, 0}, {SYNC_METHOD, 0}},
            {{"UpDownPocPalcu", false},
             {"CheckBoxCrossBlock", false},
             {"CheckBoxSpecStart", false},
             {"RadioGroupPickup2Polarita", true},
             {"CheckBoxPalec1ZacP2", true},
             {"LabelMonSnimac2", true}},
            {{"ComboBoxSynchro", false}, {"EditPocPalcu", false}, {"CheckBoxPalec1ZacH2", false}}},
        LayoutCase{
            "special setup on one lobe",
            {{BIKE, 1}, {SYNC_METHOD, 0}},
            {{"CheckBoxCrossBlock", true},
             {"CheckBoxPredPalec", true},
             {"UpDownPocPalcu", false},
             {"UpDownPalec1Zac", false},
             {"UpDownPocKanalu", true},
             {"UpDownKompenz1", true}},
            {{"ComboBoxSynchro", true}, {"EditPocPalcu", false}, {"CheckBoxPalec1ZacH2", true}}},
        LayoutCase{"special setup with a missing lobe",
                   {{BIKE, 1}, {SYNC_METHOD, 3}, {LOBE_COUNT, 24}},
                   {{"CheckBoxCrossBlock", false},
                    {"UpDownPocPalcu", true},
                    {"UpDownPalec1Zac", true},
                    {"RadioGroupPickup2Polarita", false},
                    {"CheckBoxPalec1ZacP2", false},
                    {"LabelMonSnimac2", false}},
                   {{"EditPocPalcu", true}}},
        LayoutCase{
            "Harley fixes the counts",
            {{BIKE, 1}, {SYNC_METHOD, 8}},
            {{"UpDownPocPalcu", false}, {"UpDownPocKanalu", false}, {"UpDownPalec2End", true}},
            {}},
        LayoutCase{"cam method offers the second polarity only",
                   {{BIKE, 1}, {SYNC_METHOD, 12}},
                   {{"RadioGroupPickup2Polarita", true}, {"CheckBoxPalec1EndP2", false}},
                   {}},
        LayoutCase{"one channel hides the second",
                   {{CHANNEL_COUNT, 1}},
                   {{"GroupBoxPalec2", false}, {"LabelAdvance2", false}},
                   {}},
        LayoutCase{"input functions enable their settings",
                   {{INPUT1_FUNCTION, 3}, {INPUT2_FUNCTION, 2}},
                   {{"UpDownRetard", true}, {"UpDownClutchTime", true}, {"UpDownOmez1", false}},
                   {{"EditRetard", true},
                    {"EditClutchPause", true},
                    {"EditOmez1", false},
                    {"LabelKillSwitch", false},
                    {"LabelBlocking1", false}}},
        LayoutCase{"kill switch and blocking",
                   {{INPUT1_FUNCTION, 1}, {INPUT2_FUNCTION, 4}},
                   {{"UpDownRetard", false}, {"UpDownStartLimiterPause", true}},
                   {{"LabelKillSwitch", true},
                    {"LabelBlocking1", false},
                    {"EditRetard", false},
                    {"EditStartLimiterPause", true}}},
        LayoutCase{"servo off hides its curve",
                   {{SERVO_ENABLE, 0}},
                   {{"GroupBoxPrivera", false}},
                   {{"LabelPriveraPoz", false}}},
        LayoutCase{
            "TPS map shows every row",
            {{TPS_MAPA, 1}},
            {{"Edit50", true}, {"LabelTps1", true}, {"CSpinButton1", true}, {"CGaugeTps", true}},
            {{"LabelTpsMon", true}}},
        LayoutCase{"without TPS map only the last row",
                   {{TPS_MAPA, 0}},
                   {{"Edit50", false},
                    {"Edit140", true},
                    {"LabelTps1", false},
                    {"CSpinButton1", false},
                    {"CGaugeTps", false}},
                   {{"LabelTpsMon", false}}},
        LayoutCase{"power output modes",
                   {{powerOutMode(0), 0}, {powerOutMode(1), 2}, {powerOutMode(2), 4}},
                   {{"GroupBoxPOutMap1", false},
                    {"GroupBoxPOutMap2", true},
                    {"EditPOutRpm2_1", false},
                    {"CheckBoxPOut2_r0c1", true},
                    {"CheckBoxPOut2_r0c2", false},
                    {"EditPOutTps3_1", true},
                    {"CheckBoxPOut3_r2c3", true}},
                   {{"LabelMonPOut1", false},
                    {"LabelMonPOut2", true},
                    {"CheckBoxPOut2_r0c1", false},
                    {"CheckBoxPOut3_r2c3", true},
                    {"LabelTpsMon", true}}}),
    [](const auto& param) {
        std::string name;
        for (const char* p = param.param.what; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
        return name;
    });

TEST_F(WindowTest, SingleRowTakesTheFirstRowsPlace) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[TPS_MAPA] = 0; });
    w.binding().showImage(w.session().image());
    EXPECT_EQ(control("Edit140").bounds.top, control("LabelTps1").bounds.top - 4);
    tz::testing::changeImage(w.session(), [&](Image& im) { im[TPS_MAPA] = 1; });
    w.binding().showImage(w.session().image());
    EXPECT_EQ(control("Edit140").bounds.top, control("LabelTps10").bounds.top - 4);
}

TEST_F(WindowTest, PilotLightPatternReachesTheImageWithTheModeChoice) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[powerOutMode(1)] = 4; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[powerOutMap(1, 0)] = 1; });
    w.binding().showImage(w.session().image());
    w.radioClicked(id("RadioGroupPOut2"), 2);
    EXPECT_EQ(w.session().image()[powerOutMode(1)], 2);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(w.session().image()[powerOutMap(1, row)], 14) << row;
}

TEST_F(WindowTest, ProgrammingAfterChangeBoxTurnsRed) {
    presenter::WindowPresenter& w = start();
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    w.checkBoxReleased(id("CheckBoxProgHned"));
    EXPECT_EQ(control("CheckBoxProgHned").colour, ui::Colour::Red);
}

}  // namespace
}  // namespace tz
