#include <array>

#include "params/setting_id.h"

namespace tz {

using namespace field;

class SettingTable {
  public:
    static const SettingTable& get() {
        static const SettingTable table;
        return table;
    }
    const std::vector<Setting>& all() const { return settings_; }
    std::optional<SettingId> at(int byte) const {
        if (byte < 0 || byte >= kImageSize) return std::nullopt;
        const int at = position_[static_cast<std::size_t>(byte)];
        if (at < 0) return std::nullopt;
        return SettingId(static_cast<std::uint16_t>(at));
    }

  private:
    SettingTable() {
        position_.fill(-1);
        for (const FieldSpec& f : valueFields()) add(f.byte, SettingKind::Value, &f, 0);
        for (int byte : flagFields()) add(byte, SettingKind::Flag, nullptr, 0);
        // Their rule depends on the motorcycle type, so they are not among
        // the plain flags.
        add(INTERLOCK_INPUT, SettingKind::Flag, nullptr, 0);
        add(SPARK_BEFORE_LOBE, SettingKind::Flag, nullptr, 0);
        for (const ChoiceList& c : choiceLists())
            add(c.byte, SettingKind::Choice, nullptr, c.items);
        for (int n = 0; n < kPowerOutputs; ++n)
            for (int row = 0; row < 3; ++row)
                add(powerOutMap(n, row), SettingKind::Zones, nullptr, 0);
    }
    void add(int byte, SettingKind kind, const FieldSpec* field, int items) {
        const auto id = SettingId(static_cast<std::uint16_t>(settings_.size()));
        position_[static_cast<std::size_t>(byte)] = static_cast<int>(settings_.size());
        settings_.push_back({id, byte, kind, field, items});
    }

    std::vector<Setting> settings_;
    std::array<int, kImageSize> position_{};
};

const std::vector<Setting>& settings() {
    return SettingTable::get().all();
}

const Setting& setting(SettingId id) {
    return settings()[id.index()];
}

std::optional<SettingId> settingAt(int byte) {
    return SettingTable::get().at(byte);
}

int settingValue(const Image& image, SettingId id) {
    const Setting& s = setting(id);
    const std::uint8_t b = image[static_cast<std::size_t>(s.byte)];
    switch (s.kind) {
        case SettingKind::Value:
            return decodeField(*s.field, b);
        case SettingKind::Flag:
            return encoding::decodeFlag(b) ? 1 : 0;
        case SettingKind::Choice:
            if (s.byte == BIKE) return encoding::decodeBike(b);
            if (s.byte == GEBER_MODE) return encoding::decodeGeberMode(b);
            return b;
        case SettingKind::Zones:
            return b;
    }
    return 0;
}

std::uint8_t settingByte(SettingId id, int value) {
    const Setting& s = setting(id);
    switch (s.kind) {
        case SettingKind::Value:
            return encodeField(*s.field, value);
        case SettingKind::Flag:
            return encoding::encodeFlag(value != 0);
        case SettingKind::Choice:
            if (s.byte == BIKE) return encoding::encodeBike(value);
            if (s.byte == GEBER_MODE) return encoding::encodeGeberMode(value);
            return encoding::byteOf(value);
        case SettingKind::Zones:
            return encoding::byteOf(value & 0x0F);
    }
    return 0;
}

void applyEdit(Image& image, const SettingEdit& edit) {
    image[static_cast<std::size_t>(setting(edit.setting).byte)] =
        settingByte(edit.setting, edit.value);
}

std::vector<SettingId> changedSettings(const Image& before, const Image& after) {
    std::vector<SettingId> changed;
    if (before == after) return changed;
    for (const Setting& s : settings()) {
        const auto b = static_cast<std::size_t>(s.byte);
        if (before[b] != after[b]) changed.push_back(s.id);
    }
    return changed;
}

CellBlockEdit cellBlockEdit(const Image& before, const Image& after) {
    CellBlockEdit block;
    for (SettingId id : changedSettings(before, after))
        block.cells.push_back({id, settingValue(after, id)});
    return block;
}

}  // namespace tz
