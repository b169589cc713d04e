#include "presenter/field_binding.h"

#include "design/control_names.h"

namespace tz::presenter {

using namespace field;

namespace {

// The up/down that edits each value field.
std::vector<std::pair<int, ui::ControlId>> upDowns(const ui::ControlModel& m,
                                                   const design::WindowIndex& x) {
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
    return b;
}

// The check box of each flag.
std::vector<std::pair<int, ui::ControlId>> checkBoxes(const ui::ControlModel& m,
                                                      const design::WindowIndex& x) {
    std::vector<std::pair<int, ui::ControlId>> b = {
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
    b.push_back({INTERLOCK_INPUT, m.id(ctl::CheckBoxCrossBlock)});
    b.push_back({SPARK_BEFORE_LOBE, m.id(ctl::CheckBoxPredPalec)});
    return b;
}

// The combo boxes and radio groups that choose an item.
constexpr std::pair<int, ui::ControlName> kChoiceControls[] = {
    {BIKE, ctl::ComboBoxBike},
    {SYNC_METHOD, ctl::ComboBoxSynchro},
    {GEBER_MODE, ctl::ComboBoxNasobekPalcu},
    {INPUT1_FUNCTION, ctl::RadioGroupInput1},
    {INPUT2_FUNCTION, ctl::RadioGroupInput2},
    {PICKUP1_POLARITY, ctl::RadioGroupPickup1Polarita},
    {PICKUP2_POLARITY, ctl::RadioGroupPickup2Polarita},
};

SettingId settingOf(int byte) {
    return *settingAt(byte);
}

std::vector<BoundControl> bindControls(const ui::ControlModel& m, const design::WindowIndex& x) {
    std::vector<BoundControl> b;
    for (auto [byte, upDown] : upDowns(m, x))
        b.push_back({upDown, settingOf(byte), ControlWay::UpDown, 0});
    for (auto [byte, checkBox] : checkBoxes(m, x))
        b.push_back({checkBox, settingOf(byte), ControlWay::CheckBox, 0});
    for (auto [byte, name] : kChoiceControls)
        b.push_back({m.id(name), settingOf(byte), ControlWay::Item, 0});
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = x.powerOuts[static_cast<std::size_t>(n)];
        b.push_back({p.modeGroup, settingOf(powerOutMode(n)), ControlWay::Item, 0});
        for (int row = 0; row < 3; ++row)
            for (int bit = 0; bit < 4; ++bit)
                b.push_back({p.zones[static_cast<std::size_t>(4 * row + bit)],
                             settingOf(powerOutMap(n, row)), ControlWay::ZoneBit, bit});
    }
    return b;
}

}  // namespace

FieldBinding::FieldBinding(ui::ControlModel& controls, const design::WindowIndex& index,
                           LayoutRules& layout, GraphAreaHost& graphs)
    : controls_(controls),
      layout_(layout),
      graphs_(graphs),
      bound_(bindControls(controls, index)),
      bySetting_(settings().size()),
      tpsSwitch_(settingOf(TPS_MAPA)) {
    for (std::size_t i = 0; i < bound_.size(); ++i) {
        const BoundControl& b = bound_[i];
        byControl_[b.control] = i;
        if (b.way == ControlWay::UpDown) byControl_[controls_.at(b.control).associate] = i;
        bySetting_[b.setting.index()].push_back(i);
    }
    // The layout shows a fixed zone pattern in the boxes of such a mode:
    // another mode shows the zone rows again.
    for (int n = 0; n < kPowerOutputs; ++n) {
        std::vector<std::size_t>& mode = bySetting_[settingOf(powerOutMode(n)).index()];
        for (int row = 0; row < 3; ++row) {
            const std::vector<std::size_t>& zones =
                bySetting_[settingOf(powerOutMap(n, row)).index()];
            mode.insert(mode.end(), zones.begin(), zones.end());
        }
    }
}

const BoundControl* FieldBinding::find(ui::ControlId control) const {
    const auto it = byControl_.find(control);
    return it == byControl_.end() ? nullptr : &bound_[it->second];
}

std::optional<SettingEdit> FieldBinding::editOf(ui::ControlId control, const Image& image) const {
    const BoundControl* b = find(control);
    if (b == nullptr) return std::nullopt;
    const ui::ControlModel& m = controls_;
    switch (b->way) {
        case ControlWay::UpDown:
            return SettingEdit{b->setting, m.upDownValue(b->control)};
        case ControlWay::CheckBox:
            return SettingEdit{b->setting, m.checked(b->control) ? 1 : 0};
        case ControlWay::Item: {
            const int item = m.itemIndex(b->control);
            if (item < 0) return std::nullopt;
            return SettingEdit{b->setting, item};
        }
        case ControlWay::ZoneBit: {
            const int zones = settingValue(image, b->setting) & ~(1 << b->bit);
            return SettingEdit{b->setting, zones | (m.checked(b->control) ? 1 << b->bit : 0)};
        }
    }
    return std::nullopt;
}

CellBlockEdit FieldBinding::typedEdits(const Image& image) const {
    CellBlockEdit typed;
    for (const BoundControl& b : bound_) {
        if (b.way != ControlWay::UpDown) continue;
        const int value = controls_.upDownValue(b.control);
        const auto byte = static_cast<std::size_t>(setting(b.setting).byte);
        if (settingByte(b.setting, value) != image[byte]) typed.cells.push_back({b.setting, value});
    }
    return typed;
}

void FieldBinding::write(const BoundControl& b, const Image& image) {
    const int value = settingValue(image, b.setting);
    switch (b.way) {
        case ControlWay::UpDown:
            controls_.setUpDownPosition(b.control, value);
            break;
        case ControlWay::CheckBox:
            controls_.setChecked(b.control, value != 0);
            break;
        case ControlWay::Item:
            // A motorcycle code without an item leaves the selection.
            if (value >= 0) controls_.setItemIndex(b.control, value);
            break;
        case ControlWay::ZoneBit:
            controls_.setChecked(b.control, ((value >> b.bit) & 1) != 0);
            break;
    }
}

void FieldBinding::showSettings(const Image& image, const std::vector<SettingId>& settings) {
    if (settings.empty()) return;
    busy_ = true;
    bool tpsSwitchChanged = false;
    for (SettingId id : settings) {
        for (std::size_t i : bySetting_[id.index()]) write(bound_[i], image);
        tpsSwitchChanged = tpsSwitchChanged || id == tpsSwitch_;
    }
    refreshLayout(tpsSwitchChanged);
    busy_ = false;
    graphs_.requestRedraw(2);
}

void FieldBinding::showImage(const Image& image) {
    busy_ = true;
    for (const BoundControl& b : bound_) write(b, image);
    refreshLayout(false);
    busy_ = false;
    graphs_.requestRedraw(2);
    controls_.setItemIndex(controls_.id(ctl::RadioGroupGraphMode),
                           static_cast<int>(graphs_.mode()));
}

void FieldBinding::refreshLayout(bool tpsSwitchChanged) {
    const ui::ControlId mapGroup = controls_.id(ctl::GroupBox6);
    if (tpsSwitchChanged) controls_.setVisible(mapGroup, false);
    layout_.refresh();
    if (tpsSwitchChanged) controls_.setVisible(mapGroup, true);
}

std::vector<ui::ControlId> FieldBinding::controlsOf(int byte, int bit) const {
    std::vector<ui::ControlId> shown;
    const std::optional<SettingId> id = settingAt(byte);
    if (!id) return shown;
    for (std::size_t i : bySetting_[id->index()]) {
        const BoundControl& b = bound_[i];
        if (b.way == ControlWay::UpDown)
            shown.push_back(controls_.at(b.control).associate);
        else if (b.way != ControlWay::ZoneBit || b.bit == bit)
            shown.push_back(b.control);
    }
    return shown;
}

}  // namespace tz::presenter
