#include "presenter/field_binding.h"

#include <algorithm>

#include "design/control_names.h"

namespace tz::presenter {

using namespace field;

namespace {

// The up/down that edits each value field.
std::vector<UpDownField> makeUpDowns(const ui::ControlModel& m, const design::WindowIndex& x) {
    const auto id = [&m](ui::ControlName name) { return m.id(name); };
    std::vector<std::pair<int, ui::ControlId>> b = {
        {LOBE_COUNT, id(ctl::UpDownPocPalcu)},
        {CHANNEL_COUNT, id(ctl::UpDownPocKanalu)},
        {BASE_ADV, id(ctl::UpDownBaseAdv)},
        {NO_SPARK_REVS, id(ctl::UpDownPocSynchro)},
        {TACHO_PULSES, id(ctl::UpDownRpmPulsu)},
        {TACHO_CORRECTION, id(ctl::UpDownRpmKorekce)},
        {START_LIMITER_RPM, id(ctl::UpDownOmez1)},
        {START_LIMITER_DELAY, id(ctl::UpDownStartLimiterPause)},
        {LIMITER_RPM, id(ctl::UpDownOmez2)},
        {SERVO_HYSTER, id(ctl::UpDownPrivHyster)},
        {COR_ADV_1, id(ctl::UpDownKorekceAdv1)},
        {COR_ADV_2, id(ctl::UpDownKorekceAdv2)},
        {TPS_0_MV, id(ctl::UpDownTps0)},
        {TPS_100_MV, id(ctl::UpDownTps100)},
        {COMPENSATION_1, id(ctl::UpDownKompenz1)},
        {COMPENSATION_2, id(ctl::UpDownKompenz2)},
        {RETARD, id(ctl::UpDownRetard)},
        {CLUTCH_TIME, id(ctl::UpDownClutchTime)},
        {CLUTCH_PAUSE, id(ctl::UpDownClutchPause)},
    };
    for (int c = 0; c < kChannels; ++c) {
        const auto i = static_cast<std::size_t>(c);
        b.push_back({lobeByte(MAX_ADV_LOBE, c), x.maxLobeUpDowns[i]});
        b.push_back({lobeByte(START_ADV_LOBE, c), x.startLobeUpDowns[i]});
    }
    for (int k = 0; k < kAxisPoints; ++k) {
        const auto i = static_cast<std::size_t>(k);
        b.push_back({RPM_ADV + k, x.rpmUpDowns[i]});
        b.push_back({SERVO_RPM + k, x.servoRpmUpDowns[i]});
        b.push_back({SERVO_MV + k, x.servoMvUpDowns[i]});
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k)
        b.push_back({ADVANCE + k, x.cellUpDowns[static_cast<std::size_t>(k)]});
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = x.powerOuts[static_cast<std::size_t>(n)];
        for (int j = 0; j < 3; ++j)
            b.push_back({powerOutRpm(n, j), p.rpmUpDowns[static_cast<std::size_t>(j)]});
        for (int j = 0; j < 2; ++j)
            b.push_back({powerOutTps(n, j), p.tpsUpDowns[static_cast<std::size_t>(j)]});
    }
    b.push_back({TEST_RPM, id(ctl::UpDownTestRpm)});
    b.push_back({TEST_SERVO, id(ctl::UpDownTestServo)});

    std::vector<UpDownField> fields;
    for (auto [byte, upDown] : b) fields.push_back({valueField(byte), upDown});
    return fields;
}

std::vector<CheckBoxField> makeCheckBoxes(const ui::ControlModel& m, const design::WindowIndex& x) {
    std::vector<CheckBoxField> b = {
        {PICKUPS_INTERCHANGE, m.id(ctl::CheckBoxZamenaPickup)},
        {NO_LOBE_CHECK, m.id(ctl::CheckBoxNehlidaPalec)},
        {SPECIAL_START, m.id(ctl::CheckBoxSpecStart)},
        {SERVO_ENABLE, m.id(ctl::CheckBoxPrivEnable)},
        {TPS_MAPA, m.id(ctl::CheckBoxTpsMapa)},
    };
    for (int c = 0; c < kChannels; ++c) {
        const auto i = static_cast<std::size_t>(c);
        b.push_back({lobeByte(MAX_ADV_EDGE2, c), x.maxEdge2[i]});
        b.push_back({lobeByte(START_ADV_EDGE2, c), x.startEdge2[i]});
        b.push_back({lobeByte(MAX_ADV_PICKUP2, c), x.maxPickup2[i]});
        b.push_back({lobeByte(START_ADV_PICKUP2, c), x.startPickup2[i]});
    }
    return b;
}

// The combo boxes and radio groups that choose a byte's value.
constexpr std::pair<int, ui::ControlName> kChoiceFields[] = {
    {BIKE, ctl::ComboBoxBike},
    {SYNC_METHOD, ctl::ComboBoxSynchro},
    {GEBER_MODE, ctl::ComboBoxNasobekPalcu},
    {INPUT1_FUNCTION, ctl::RadioGroupInput1},
    {INPUT2_FUNCTION, ctl::RadioGroupInput2},
    {PICKUP1_POLARITY, ctl::RadioGroupPickup1Polarita},
    {PICKUP2_POLARITY, ctl::RadioGroupPickup2Polarita},
    {INTERLOCK_INPUT, ctl::CheckBoxCrossBlock},
    {SPARK_BEFORE_LOBE, ctl::CheckBoxPredPalec},
};

}  // namespace

std::vector<ui::ControlId> FieldBinding::controlsOf(int byte, int bit) const {
    std::vector<ui::ControlId> shown;
    for (const UpDownField& f : upDowns_)
        if (f.field->byte == byte) shown.push_back(controls_.at(f.upDown).associate);
    for (const CheckBoxField& f : checkBoxes_)
        if (f.byte == byte) shown.push_back(f.checkBox);
    for (const auto& [choiceByte, name] : kChoiceFields)
        if (choiceByte == byte) shown.push_back(controls_.id(name));
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = index_.powerOuts[static_cast<std::size_t>(n)];
        if (byte == powerOutMode(n)) shown.push_back(p.modeGroup);
        for (int row = 0; row < 3; ++row)
            if (byte == powerOutMap(n, row) && bit >= 0 && bit < 4)
                shown.push_back(p.zones[static_cast<std::size_t>(4 * row + bit)]);
    }
    return shown;
}

FieldBinding::FieldBinding(ui::ControlModel& controls, const design::WindowIndex& index,
                           LayoutRules& layout, GraphAreaHost& graphs)
    : controls_(controls),
      index_(index),
      layout_(layout),
      graphs_(graphs),
      upDowns_(makeUpDowns(controls, index)),
      checkBoxes_(makeCheckBoxes(controls, index)) {}

bool FieldBinding::isFieldCheckBox(ui::ControlId checkBox) const {
    return std::any_of(checkBoxes_.begin(), checkBoxes_.end(),
                       [checkBox](const CheckBoxField& f) { return f.checkBox == checkBox; });
}

void FieldBinding::readControls(Image& im) {
    if (busy_) return;
    ui::ControlModel& m = controls_;
    const auto id = [&m](ui::ControlName name) { return m.id(name); };
    const bool tpsSwitchChanged = m.checked(id(ctl::CheckBoxTpsMapa)) != (im[TPS_MAPA] != 0);

    if (const int item = m.itemIndex(id(ctl::ComboBoxBike)); item >= 0)
        im[BIKE] = encoding::encodeBike(item);
    if (const int item = m.itemIndex(id(ctl::ComboBoxSynchro)); item >= 0)
        im[SYNC_METHOD] = static_cast<std::uint8_t>(item);
    if (const int item = m.itemIndex(id(ctl::ComboBoxNasobekPalcu)); item >= 0)
        im[GEBER_MODE] = encoding::encodeGeberMode(item);
    const std::pair<int, ui::ControlName> radios[] = {
        {INPUT1_FUNCTION, ctl::RadioGroupInput1},
        {INPUT2_FUNCTION, ctl::RadioGroupInput2},
        {PICKUP1_POLARITY, ctl::RadioGroupPickup1Polarita},
        {PICKUP2_POLARITY, ctl::RadioGroupPickup2Polarita},
    };
    for (auto [byte, name] : radios)
        if (const int item = m.itemIndex(id(name)); item >= 0)
            im[byte] = static_cast<std::uint8_t>(item);

    // The interlock and spark-before-lobe flags exist only for a special
    // setup synchronised on one lobe.
    const ui::ControlId crossBlock = id(ctl::CheckBoxCrossBlock);
    const ui::ControlId predPalec = id(ctl::CheckBoxPredPalec);
    if (im[BIKE] == kBikeSpecial && im[SYNC_METHOD] == 0) {
        im[INTERLOCK_INPUT] = encoding::encodeFlag(m.checked(crossBlock));
        im[SPARK_BEFORE_LOBE] = encoding::encodeFlag(m.checked(predPalec));
    } else {
        im[INTERLOCK_INPUT] = 0;
        im[SPARK_BEFORE_LOBE] = 0;
        m.setChecked(crossBlock, false);
        m.setChecked(predPalec, false);
    }

    for (const CheckBoxField& f : checkBoxes_)
        im[f.byte] = encoding::encodeFlag(m.checked(f.checkBox));
    for (const UpDownField& f : upDowns_)
        im[f.field->byte] = encodeField(*f.field, m.upDownValue(f.upDown));
    readPowerOutputs(im);

    // A change of the TPS switch rebuilds the grid; hide it meanwhile.
    const ui::ControlId mapGroup = id(ctl::GroupBox6);
    if (tpsSwitchChanged) m.setVisible(mapGroup, false);
    layout_.refresh();
    if (tpsSwitchChanged) m.setVisible(mapGroup, true);
}

void FieldBinding::showImage(const Image& im) {
    busy_ = true;
    ui::ControlModel& m = controls_;
    const auto id = [&m](ui::ControlName name) { return m.id(name); };

    if (const int item = encoding::decodeBike(im[BIKE]); item >= 0)
        m.setItemIndex(id(ctl::ComboBoxBike), item);
    m.setItemIndex(id(ctl::ComboBoxSynchro), im[SYNC_METHOD]);
    m.setItemIndex(id(ctl::ComboBoxNasobekPalcu), encoding::decodeGeberMode(im[GEBER_MODE]));
    m.setItemIndex(id(ctl::RadioGroupInput1), im[INPUT1_FUNCTION]);
    m.setItemIndex(id(ctl::RadioGroupInput2), im[INPUT2_FUNCTION]);
    m.setItemIndex(id(ctl::RadioGroupPickup1Polarita), im[PICKUP1_POLARITY]);
    m.setItemIndex(id(ctl::RadioGroupPickup2Polarita), im[PICKUP2_POLARITY]);
    m.setChecked(id(ctl::CheckBoxCrossBlock), im[INTERLOCK_INPUT] != 0);
    m.setChecked(id(ctl::CheckBoxPredPalec), im[SPARK_BEFORE_LOBE] != 0);
    for (const CheckBoxField& f : checkBoxes_)
        m.setChecked(f.checkBox, encoding::decodeFlag(im[f.byte]));
    for (const UpDownField& f : upDowns_)
        m.setUpDownPosition(f.upDown, decodeField(*f.field, im[f.field->byte]));
    showPowerOutputs(im);

    // The 48-2 method always uses the lobes' second edges.
    if (im[SYNC_METHOD] == kSyncTwoPolarities) {
        for (std::size_t c = 0; c < 2; ++c) {
            m.setChecked(index_.maxEdge2[c], true);
            m.setChecked(index_.startEdge2[c], true);
        }
    }
    layout_.refresh();
    busy_ = false;
    graphs_.requestRedraw(2);
    m.setItemIndex(id(ctl::RadioGroupGraphMode), static_cast<int>(graphs_.mode()));
}

void FieldBinding::readPowerOutputs(Image& im) {
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = index_.powerOuts[static_cast<std::size_t>(n)];
        if (const int item = controls_.itemIndex(p.modeGroup); item >= 0)
            im[powerOutMode(n)] = static_cast<std::uint8_t>(item);
        for (int row = 0; row < 3; ++row) {
            int bits = 0;
            for (int c = 0; c < 4; ++c)
                if (controls_.checked(p.zones[static_cast<std::size_t>(4 * row + c)]))
                    bits |= 1 << c;
            im[powerOutMap(n, row)] = static_cast<std::uint8_t>(bits);
        }
    }
}

void FieldBinding::showPowerOutputs(const Image& im) {
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = index_.powerOuts[static_cast<std::size_t>(n)];
        controls_.setItemIndex(p.modeGroup, im[powerOutMode(n)]);
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 4; ++c)
                controls_.setChecked(p.zones[static_cast<std::size_t>(4 * row + c)],
                                     (im[powerOutMap(n, row)] >> c) & 1);
    }
}

}  // namespace tz::presenter
