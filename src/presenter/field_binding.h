// The binding between the parameter image and the controls that edit it:
// which control shows which byte and how the two convert, the whole image
// read from the controls and shown in them.
#pragma once

#include <vector>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "params/field_table.h"
#include "params/image.h"
#include "presenter/graph_area_host.h"
#include "presenter/layout_rules.h"

namespace tz::presenter {

// An up/down bound to one value field.
struct UpDownField {
    const FieldSpec* field;
    ui::ControlId upDown;
};

// A check box bound to a flag byte.
struct CheckBoxField {
    int byte;
    ui::ControlId checkBox;
};

class FieldBinding {
  public:
    FieldBinding(ui::ControlModel& controls, const design::WindowIndex& index, LayoutRules& layout,
                 GraphAreaHost& graphs);

    // The controls' values into the image, then a layout refresh (nothing
    // while the binding is busy).
    void readControls(Image& image);
    // The image into the controls, then a layout refresh; the binding is busy
    // meanwhile, so that no change event reads half-shown values.
    void showImage(const Image& image);
    bool busy() const { return busy_; }

    // Every up/down of the parameter pages, in the order of valueFields().
    const std::vector<UpDownField>& upDowns() const { return upDowns_; }
    // Every flag check box: the Bike page flags, then both channels' lobe
    // flags. INTERLOCK_INPUT and SPARK_BEFORE_LOBE are not among them: their
    // rule depends on the motorcycle type.
    const std::vector<CheckBoxField>& checkBoxes() const { return checkBoxes_; }
    bool isFieldCheckBox(ui::ControlId checkBox) const;
    // The controls that show the image byte (the bit 0..3 of a power-output
    // zone byte, or -1): the edit box of a value, a check box, combo box or
    // radio group; none for bytes no control shows.
    std::vector<ui::ControlId> controlsOf(int byte, int bit) const;

  private:
    void readPowerOutputs(Image& image);
    void showPowerOutputs(const Image& image);

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    LayoutRules& layout_;
    GraphAreaHost& graphs_;
    std::vector<UpDownField> upDowns_;
    std::vector<CheckBoxField> checkBoxes_;
    bool busy_ = false;
};

}  // namespace tz::presenter
