// A settings store that keeps its values in memory only: for runs that must
// not touch the user's settings file (scripts) and for tests.
#pragma once

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace tz {

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> readString(std::string_view section,
                                          std::string_view key) const override {
        const auto it = values.find(keyOf(section, key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        values[keyOf(section, key)] = std::string(value);
    }
    bool flush() override { return true; }

    // "SECTION/Key" to value.
    std::map<std::string, std::string> values;

  private:
    static std::string keyOf(std::string_view section, std::string_view key) {
        return std::string(section) + "/" + std::string(key);
    }
};

}  // namespace tz
