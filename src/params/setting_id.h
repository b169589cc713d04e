// The settings the user edits, one by one: every value field (the map cells
// and axes included), every flag, every choice byte, and each power output's
// mode and zone rows. A SettingId names one of them; it comes only from this
// table, which is built from the field table, so an edit can never address a
// byte that no control edits. Each setting knows how its byte and the value
// shown for it convert.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "params/field_table.h"
#include "params/image.h"

namespace tz {

enum class SettingKind : std::uint8_t {
    Value,   // a value field, shown in its units (FieldSpec)
    Flag,    // 0 or 1
    Choice,  // an item of a list: a combo box, a radio group, a power output's mode
    Zones,   // a power output's zone row: bits 0..3, one per throttle zone
};

class SettingId {
  public:
    // The setting's place in settings(): a dense index for tables over them.
    std::size_t index() const { return index_; }
    friend bool operator==(SettingId, SettingId) = default;

  private:
    friend class SettingTable;
    explicit SettingId(std::uint16_t index) : index_(index) {}
    std::uint16_t index_;
};

struct Setting {
    SettingId id;
    int byte = 0;
    SettingKind kind = SettingKind::Value;
    const FieldSpec* field = nullptr;  // a Value's conversion and range
    int items = 0;                     // a Choice's number of items
};

// Every setting, by index.
const std::vector<Setting>& settings();
const Setting& setting(SettingId id);
// The setting stored in this byte, if any.
std::optional<SettingId> settingAt(int byte);

// The value the controls show for the setting: a Value in its units, a Flag
// 0 or 1, a Choice its item (-1 for a motorcycle code without an item), the
// zone bits.
int settingValue(const Image& image, SettingId id);
// The byte of a shown value. The editor rules bring it within range later.
std::uint8_t settingByte(SettingId id, int value);

// A setting set to a value as its control shows it.
struct SettingEdit {
    SettingId setting;
    int value = 0;
};
// Several settings changed in one step: a table tool, a paste, an
// interpolation, a map or servo shift, a graph drag.
struct CellBlockEdit {
    std::vector<SettingEdit> cells;
};

// The settings whose bytes differ, in table order.
std::vector<SettingId> changedSettings(const Image& before, const Image& after);
// The edit that turns `before` into `after` (settings only; other bytes are
// not edits).
CellBlockEdit cellBlockEdit(const Image& before, const Image& after);
void applyEdit(Image& image, const SettingEdit& edit);

}  // namespace tz
