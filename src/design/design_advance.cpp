#include "design/design_parts.h"

#include <array>
#include <string>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

// Column c of the grid: the left edges of its RPM edit, its cell edits and
// its spin button.
constexpr std::array<int, 10> kRpmLeft{44, 103, 162, 222, 281, 340, 399, 459, 518, 577};
constexpr std::array<int, 10> kCellLeft{51, 110, 169, 229, 288, 347, 406, 466, 525, 584};
constexpr std::array<int, 10> kSpinLeft{63, 122, 181, 241, 300, 359, 418, 478, 537, 596};

constexpr std::array<const char*, 10> kTpsRows{"0%",  "2%",  "5%",  "10%", "20%",
                                               "30%", "40%", "60%", "80%", "100%"};

constexpr int kRowPitch = 33;
constexpr int kTpsLabelRight = 37;
constexpr int kTpsLabelWidth = 34;

void buildRpmRow(const Builder& grid) {
    const ui::ControlId rpm = grid.add(label("LabelRpmAdv", {13, 24, 30, kLabelHeight}, "RPM"));
    for (int c = 0; c < 10; ++c) {
        const std::string column = std::to_string(c + 1);
        grid.name(grid.editWithUpDown("RpmAdv" + column,
                                      {kRpmLeft[static_cast<std::size_t>(c)], 29, 40, kEditHeight},
                                      {c == 0 ? 199 : 300, 20100, 100, 1000 * (c + 1)})
                      .edit,
                  {{rpm, {}}, fixedText(column)});
    }
}

// Throttle rows top to bottom, RPM columns left to right; the row labels are
// right-aligned and coloured by the live cell. A cell is named by its row's
// throttle and its column's speed, a column's spin button by the speed.
void buildCells(const Builder& grid) {
    for (int r = 0; r < 10; ++r) {
        Control row = label(
            "LabelTps" + std::to_string(r + 1),
            {kTpsLabelRight - kTpsLabelWidth, 73 + kRowPitch * r, kTpsLabelWidth, kLabelHeight},
            kTpsRows[static_cast<std::size_t>(r)]);
        row.alignment = ui::Align::Right;
        row.transparent = false;
        const ui::ControlId rowLabel = grid.add(std::move(row));
        for (int c = 0; c < 10; ++c) {
            const EditUpDown cell = grid.editWithUpDown(
                std::to_string(50 + 10 * r + c),
                {kCellLeft[static_cast<std::size_t>(c)], 69 + kRowPitch * r, 30, kEditHeight},
                {0, 60, 1, 20});
            grid.name(cell.edit, {{rowLabel, {}},
                                  grid.captionOf("EditRpmAdv" + std::to_string(c + 1)),
                                  grid.captionOf("LabelRpmAdv")});
        }
    }
    for (int c = 0; c < 10; ++c) {
        const std::string column = std::to_string(c + 1);
        grid.name(grid.add(control(Kind::SpinButton, "CSpinButton" + column,
                                   {kSpinLeft[static_cast<std::size_t>(c)], 403, 15, 21})),
                  {grid.captionOf("EditRpmAdv" + column), grid.captionOf("LabelRpmAdv")});
    }
}

// The row under the grid. The two captions wrap onto two lines to fit
// between the edit boxes in every language.
void buildBottomRow(const Builder& grid) {
    grid.add(control(Kind::CheckBox, "CheckBoxTpsMapa", {13, 437, 46, kCheckBoxHeight}, "TPS"));
    const ui::ControlId baseEdit =
        grid.editWithUpDown("BaseAdv", {63, 435, 21, kEditHeight}, {0, 40, 1, 10}).edit;
    Control base = label("LabelBaseAdv", {103, 429, 110, 2 * kLabelHeight + 4}, "Base advance [°]");
    base.wordWrap = true;
    grid.name(baseEdit, {{grid.add(std::move(base)), {}}});
    const ui::ControlId correction1 =
        grid.editWithUpDown("KorekceAdv1", {216, 435, 29, kEditHeight}, {-20, 20, 1, 0}).edit;
    const ui::ControlId correction2 =
        grid.editWithUpDown("KorekceAdv2", {261, 435, 29, kEditHeight}, {-20, 20, 1, 0}).edit;
    Control correction =
        label("LabelKorekceAdv", {310, 429, 102, 2 * kLabelHeight + 4}, "Corection for cyl 1,2");
    correction.wordWrap = true;
    const ui::ControlId correctionLabel = grid.add(std::move(correction));
    grid.name(correction1, {{correctionLabel, {}}, fixedText("1")});
    grid.name(correction2, {{correctionLabel, {}}, fixedText("2")});
    // Its three items "Map", "2D", "3D" arrive with the graph area.
    Control modes = control(Kind::RadioGroup, "RadioGroupGraphMode", {415, 427, 159, 33});
    modes.columns = 3;
    grid.add(std::move(modes));
    const ui::ControlId shift =
        grid.add(control(Kind::SpinButton, "CSpinButtonAll", {580, 432, 15, 27}));
    grid.name(shift, {{grid.add(control(Kind::CheckBox, "CheckBoxIgnAll",
                                        {598, 439, 45, kCheckBoxHeight}, "All")),
                       {}}});
}

}  // namespace

// The map grid fills the page inside the group box "GroupBox6"; the graph
// area is added at run time.
void buildAdvancePage(const Builder& page) {
    const Builder grid =
        page.into(page.add(control(Kind::GroupBox, "GroupBox6", {0, 0, kPageWidth, kPageHeight})));
    buildRpmRow(grid);
    buildCells(grid);
    buildBottomRow(grid);
}

}  // namespace tz::design
