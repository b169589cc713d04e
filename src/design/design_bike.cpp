#include "design/design_parts.h"

#include <array>
#include <string_view>
#include <utility>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

constexpr std::string_view kKeyingHint = "Type of keying";

Control keyingComboBox(std::string_view name, ui::Rect bounds, std::vector<std::string> items) {
    Control c = comboBox(name, bounds, std::move(items));
    c.hint = std::string(kKeyingHint);
    c.showHint = true;
    return c;
}

Control checkBox(std::string_view name, ui::Rect bounds, std::string_view caption = {}) {
    return control(Kind::CheckBox, name, bounds, caption);
}

void buildBikeType(const Builder& page) {
    const ui::ControlId type =
        page.add(label("LabelBike", {8, 10, 104, kLabelHeight}, "Motorbike type"));
    page.name(
        page.add(keyingComboBox(
            "ComboBoxBike", {116, 6, 345, kEditHeight},
            {"Classic (1 lobe, 1 or 2 pick-up) ", "Standard  (2 lobe  per revol., 1 or 2 pick-up) ",
             "Standard  (3 lobe  per revol., 1 pick-up) ",
             "Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) ", "Honda NSR 250 MC18 -",
             "Honda CRM 250", "Special setting"})),
        {{type, {}}});
}

// Switches of the pick-ups and the start, and the revolutions without
// ignition, down the left side.
void buildSwitches(const Builder& page) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kSwitches{{
        {"CheckBoxZamenaPickup", "Pickups interchange (pin 9 a 20)"},
        {"CheckBoxNehlidaPalec", "No lobe lenght check"},
        {"CheckBoxCrossBlock", "Interlock input"},
        {"CheckBoxPredPalec", "Spark posible before lobe"},
        {"CheckBoxSpecStart", "Lower advance by start"},
    }};
    int top = 38;
    for (const auto& [name, caption] : kSwitches) {
        page.add(checkBox(name, {8, top, 246, kCheckBoxHeight}, caption));
        top += 20;
    }
    page.labelledEdit("LabelPocSynchro", "Revolutions without ignition", 8, "PocSynchro",
                      {200, 142, 30, kEditHeight}, {0, 40, 1, 1});
}

void buildPickupPolarity(const Builder& page) {
    const std::vector<std::string> polarities{"Positive", "Negative", "Selfsearch"};
    page.add(radioGroup("RadioGroupPickup1Polarita", {262, 34, 150, 80}, "Polarity of pick-up 1",
                        polarities));
    page.add(radioGroup("RadioGroupPickup2Polarita", {262, 118, 150, 80}, "Polarity of pick-up 2",
                        polarities));
}

void buildTachoGroup(const Builder& page) {
    const Builder group = page.into(
        page.add(control(Kind::GroupBox, "GroupBoxRpm", {420, 34, 218, 72}, "Tachometer output")));
    group.labelledEdit("LabelRpmPulsu", "Pulses per revolution", 8, "RpmPulsu",
                       {152, 18, 40, kEditHeight}, {0, 6, 1, 1});
    group.labelledEdit("LabelRpmKorekce", "Correction [%]", 8, "RpmKorekce",
                       {152, 44, 40, kEditHeight}, {-60, 60, 1, 0});
}

// Columns of the channel groups: the lobe number, its 2nd edge and its 2nd
// pick-up, headed by labels above the groups.
constexpr int kChannelLeft = 296;
constexpr int kLobeColumn = 136;
constexpr int kEdge2Column = 206;
constexpr int kPickup2Column = 266;

void buildChannel(const Builder& special, int channel, int top) {
    const std::string c = std::to_string(channel);
    const Builder group = special.into(special.add(control(
        Kind::GroupBox, "GroupBoxPalec" + c, {kChannelLeft, top, 334, 76}, "Channel " + c)));
    const std::array<std::pair<std::string_view, std::string_view>, 2> kPoints{{
        {"Zac", "Maximum advance"},
        {"End", "Start advance"},
    }};
    const ui::NamePart channelName = special.captionOf("GroupBoxPalec" + c);
    int row = 18;
    for (const auto& [point, caption] : kPoints) {
        const std::string suffix = "Palec" + c + std::string(point);
        const ui::ControlId edit =
            group
                .labelledEdit("Label" + suffix, caption, 8, suffix,
                              {kLobeColumn, row, 30, kEditHeight}, {1, 58, 1, 1})
                .edit;
        const ui::NamePart pointName = group.captionOf("Label" + suffix);
        group.name(edit, {channelName, pointName, group.captionOf("LabelLobe")});
        group.name(group.add(checkBox("CheckBox" + suffix + "H2",
                                      {kEdge2Column, row + 2, kCheckBoxHeight, kCheckBoxHeight})),
                   {channelName, pointName, group.captionOf("LabelHrana2")});
        group.name(group.add(checkBox("CheckBox" + suffix + "P2",
                                      {kPickup2Column, row + 2, kCheckBoxHeight, kCheckBoxHeight})),
                   {channelName, pointName, group.captionOf("LabelSnimac2")});
        row += 28;
    }
}

void buildSpecialGroup(const Builder& page) {
    const Builder special = page.into(page.add(
        control(Kind::GroupBox, "GroupBoxSpecial", {4, 204, 637, 262},
                "Specification of synchronization - Caution - For experienced user only!")));
    const ui::ControlId method =
        special.add(label("LabelSynchro", {8, 22, 148, kLabelHeight}, "Synchronization method"));
    special.name(
        special.add(keyingComboBox(
            "ComboBoxSynchro", {160, 18, 410, kEditHeight},
            {"1 lobe, 1 or 2 pick-up", "Short gap between lobes (inserted lobe)", "Wide lobe",
             "Long gap between lobes (missing lobe)", "2 pick-ups, missing lobe",
             "2 Short gaps between lobes (inserted lobe)", "Honda NSR 250 MC18 -", "Cam (CMPS)",
             "Harley", "Long gap between lobes - more lobes (48-2)", "Special for more pickups",
             "Inserted lobe - kick start", "Honda Cam (CMPS)",
             "Long gap between lobes + Cam (CMPS)", "Honda CRM 250"})),
        {{method, {}}});

    special.labelledEdit("LabelPocPalcu", "Number of lobe at rotor", 8, "PocPalcu",
                         {208, 50, 30, kEditHeight}, {1, 58, 1, 1});
    special.labelledEdit("LabelPocKanalu", "Number of outputs (coils)", 8, "PocKanalu",
                         {208, 76, 30, kEditHeight}, {1, 2, 1, 2});
    special.add(
        keyingComboBox("ComboBoxNasobekPalcu", {8, 104, 284, kEditHeight},
                       {"1 ignition per revolution", "2 ignitions per revolution",
                        "3 ignitions per revolution", "1 ignition per 2 revolutions (camshaft)"}));
    // The trigger wheel as the settings above describe it, drawn by the
    // logic; the counter and the compensation values below the channels.
    special.add(control(Kind::Canvas, "PaintBoxWheel", {8, 128, 282, 128}));
    special.add(liveLabel("LabelPocetProgramovani", {kChannelLeft, 236, 156, 14},
                          "Number of Programing= ---"));
    const ui::ControlId compensation1 =
        special
            .labelledEdit("LabelKompenz", "Compensation ", 456, "Kompenz1",
                          {536, 232, 30, kEditHeight}, {0, 255, 1, 11})
            .edit;
    const ui::ControlId compensation2 =
        special.editWithUpDown("Kompenz2", {586, 232, 30, kEditHeight}, {0, 255, 1, 11}).edit;
    special.name(compensation1, {special.captionOf("LabelKompenz"), fixedText("1")});
    special.name(compensation2, {special.captionOf("LabelKompenz"), fixedText("2")});

    special.add(label("LabelLobe", {kChannelLeft + kLobeColumn, 50, 60, kLabelHeight}, "Lobe"));
    special.add(
        label("LabelHrana2", {kChannelLeft + kEdge2Column - 6, 50, 56, kLabelHeight}, "2nd Edge"));
    special.add(label("LabelSnimac2", {kChannelLeft + kPickup2Column - 6, 50, 74, kLabelHeight},
                      "2nd Pick-up"));
    buildChannel(special, 1, 66);
    buildChannel(special, 2, 150);
}

}  // namespace

void buildBikePage(const Builder& page) {
    buildBikeType(page);
    buildSwitches(page);
    buildPickupPolarity(page);
    buildTachoGroup(page);
    buildSpecialGroup(page);
}

}  // namespace tz::design
