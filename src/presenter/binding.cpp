// Copies between the parameter image and the controls.
#include "presenter/field_bindings.h"
#include "presenter/main_window.h"

namespace tz {

using namespace field;

void MainWindow::ReadControls() {
    if (binding_.busy) return;
    Image& im = params_.image;
    ui::ControlModel& m = controls_;
    const bool tpsSwitchChanged = m.checked(id("CheckBoxTpsMapa")) != (im[TPS_MAPA] != 0);

    if (const int item = m.itemIndex(id("ComboBoxBike")); item >= 0)
        im[BIKE] = encoding::encodeBike(item);
    if (const int item = m.itemIndex(id("ComboBoxSynchro")); item >= 0)
        im[SYNC_METHOD] = static_cast<std::uint8_t>(item);
    if (const int item = m.itemIndex(id("ComboBoxNasobekPalcu")); item >= 0)
        im[GEBER_MODE] = encoding::encodeGeberMode(item);
    const std::pair<int, const char*> radios[] = {
        {INPUT1_FUNCTION, "RadioGroupInput1"},
        {INPUT2_FUNCTION, "RadioGroupInput2"},
        {PICKUP1_POLARITY, "RadioGroupPickup1Polarita"},
        {PICKUP2_POLARITY, "RadioGroupPickup2Polarita"},
    };
    for (auto [byte, name] : radios)
        if (const int item = m.itemIndex(id(name)); item >= 0)
            im[byte] = static_cast<std::uint8_t>(item);

    // The interlock and spark-before-lobe flags exist only for a special
    // setup synchronised on one lobe.
    const ui::ControlId crossBlock = id("CheckBoxCrossBlock");
    const ui::ControlId predPalec = id("CheckBoxPredPalec");
    if (im[BIKE] == kBikeSpecial && im[SYNC_METHOD] == 0) {
        im[INTERLOCK_INPUT] = encoding::encodeFlag(m.checked(crossBlock));
        im[SPARK_BEFORE_LOBE] = encoding::encodeFlag(m.checked(predPalec));
    } else {
        im[INTERLOCK_INPUT] = 0;
        im[SPARK_BEFORE_LOBE] = 0;
        m.setChecked(crossBlock, false);
        m.setChecked(predPalec, false);
    }

    for (const CheckBoxBinding& b : checkBoxBindings())
        im[b.byte] = encoding::encodeFlag(m.checked(id(b.checkBox)));
    for (const UpDownBinding& b : upDownBindings())
        im[b.byte] = static_cast<std::uint8_t>(encodeField(b, m.upDownValue(id(b.upDown))));
    readPowerOutputs();

    // A change of the TPS switch rebuilds the grid; hide it meanwhile.
    const ui::ControlId mapGroup = id("GroupBox6");
    if (tpsSwitchChanged) m.setVisible(mapGroup, false);
    RefreshLayout();
    if (tpsSwitchChanged) m.setVisible(mapGroup, true);
}

void MainWindow::ShowImage() {
    binding_.busy = true;
    const Image& im = params_.image;
    ui::ControlModel& m = controls_;

    if (const int item = encoding::decodeBike(im[BIKE]); item >= 0)
        m.setItemIndex(id("ComboBoxBike"), item);
    m.setItemIndex(id("ComboBoxSynchro"), im[SYNC_METHOD]);
    m.setItemIndex(id("ComboBoxNasobekPalcu"), encoding::decodeGeberMode(im[GEBER_MODE]));
    m.setItemIndex(id("RadioGroupInput1"), im[INPUT1_FUNCTION]);
    m.setItemIndex(id("RadioGroupInput2"), im[INPUT2_FUNCTION]);
    m.setItemIndex(id("RadioGroupPickup1Polarita"), im[PICKUP1_POLARITY]);
    m.setItemIndex(id("RadioGroupPickup2Polarita"), im[PICKUP2_POLARITY]);
    m.setChecked(id("CheckBoxCrossBlock"), im[INTERLOCK_INPUT] != 0);
    m.setChecked(id("CheckBoxPredPalec"), im[SPARK_BEFORE_LOBE] != 0);
    for (const CheckBoxBinding& b : checkBoxBindings())
        m.setChecked(id(b.checkBox), encoding::decodeFlag(im[b.byte]));
    for (const UpDownBinding& b : upDownBindings())
        m.setUpDownPosition(id(b.upDown), decodeField(b, im[b.byte]));
    showPowerOutputs();

    // The 48-2 method always uses the lobes' second edges.
    if (im[SYNC_METHOD] == kSyncTwoPolarities) {
        for (const char* name : {"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2",
                                 "CheckBoxPalec1EndH2", "CheckBoxPalec2EndH2"})
            m.setChecked(id(name), true);
    }
    RefreshLayout();
    binding_.busy = false;
    graphArea_->requestRedraw(2);
    controls_.setItemIndex(id("RadioGroupGraphMode"), static_cast<int>(graphArea_->mode()));
}

void MainWindow::readPowerOutputs() {
    Image& im = params_.image;
    for (int n = 0; n < kPowerOutputs; ++n) {
        if (const int item = controls_.itemIndex(id(powerOutRadioName(n))); item >= 0)
            im[powerOutMode(n)] = static_cast<std::uint8_t>(item);
        for (int row = 0; row < 3; ++row) {
            int bits = 0;
            for (int c = 0; c < 4; ++c)
                if (controls_.checked(id(powerOutCheckBoxName(n, row, c)))) bits |= 1 << c;
            im[powerOutMap(n, row)] = static_cast<std::uint8_t>(bits);
        }
    }
}

void MainWindow::showPowerOutputs() {
    const Image& im = params_.image;
    for (int n = 0; n < kPowerOutputs; ++n) {
        controls_.setItemIndex(id(powerOutRadioName(n)), im[powerOutMode(n)]);
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 4; ++c)
                controls_.setChecked(id(powerOutCheckBoxName(n, row, c)),
                                     (im[powerOutMap(n, row)] >> c) & 1);
    }
}

}  // namespace tz
