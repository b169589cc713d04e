// The binding between the settings and the controls that edit them: a table
// from control to SettingId with the way the control shows its setting. An
// edit reads one control; a change writes only the controls of the changed
// settings.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "params/setting_id.h"
#include "presenter/graph_area_host.h"
#include "presenter/layout_rules.h"

namespace tz::presenter {

enum class ControlWay : std::uint8_t {
    UpDown,    // an up/down with its edit box: a value in its units
    CheckBox,  // a flag
    Item,      // a combo box or radio group: a choice
    ZoneBit,   // one check box of a power output's zone row: bit `bit`
};

struct BoundControl {
    ui::ControlId control = ui::kNoControl;
    SettingId setting;
    ControlWay way = ControlWay::UpDown;
    int bit = 0;
};

class FieldBinding {
  public:
    FieldBinding(ui::ControlModel& controls, const design::WindowIndex& index, LayoutRules& layout,
                 GraphAreaHost& graphs);

    // Every bound control: the up/downs of the parameter pages in the order
    // of valueFields(), the flag check boxes, the choices, the power outputs'
    // modes and zone boxes.
    const std::vector<BoundControl>& bound() const { return bound_; }
    // The binding of a control; an up/down's edit box finds its up/down.
    const BoundControl* find(ui::ControlId control) const;
    // The edit that the control's value makes; none for an unbound control
    // or a list without a selection.
    std::optional<SettingEdit> editOf(ui::ControlId control, const Image& image) const;
    // The values typed into edit boxes that the image does not hold yet.
    CellBlockEdit typedEdits(const Image& image) const;

    // Writes the controls of the settings, then refreshes the layout once;
    // the binding is busy meanwhile, so that no change event reads
    // half-shown values.
    void showSettings(const Image& image, const std::vector<SettingId>& settings);
    // Writes every bound control: the image is new.
    void showImage(const Image& image);
    bool busy() const { return busy_; }

    // The controls that show the image byte (the bit 0..3 of a power-output
    // zone byte, or -1): the edit box of a value, a check box, combo box or
    // radio group; none for bytes no control shows.
    std::vector<ui::ControlId> controlsOf(int byte, int bit) const;

  private:
    void write(const BoundControl& b, const Image& image);
    // The layout after the controls changed; a change of the TPS switch
    // rebuilds the grid, hidden meanwhile.
    void refreshLayout(bool tpsSwitchChanged);

    ui::ControlModel& controls_;
    LayoutRules& layout_;
    GraphAreaHost& graphs_;
    std::vector<BoundControl> bound_;
    // Positions in bound_ by control, and by setting index.
    std::unordered_map<ui::ControlId, std::size_t> byControl_;
    std::vector<std::vector<std::size_t>> bySetting_;
    SettingId tpsSwitch_;
    bool busy_ = false;
};

}  // namespace tz::presenter
