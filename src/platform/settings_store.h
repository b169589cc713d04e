// A store of named values by section and key, as the settings file holds
// them. The window and the tests see only this interface.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tz {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> readString(std::string_view section,
                                                  std::string_view key) const = 0;
    virtual void writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Makes the written values durable; false when that failed.
    virtual bool flush() = 0;
};

// A decimal integer with an optional sign that fits in an int, surrounded by
// blanks at most; anything else gives the default.
int readInteger(const SettingsStore& store, std::string_view section, std::string_view key,
                int defaultValue);
void writeInteger(SettingsStore& store, std::string_view section, std::string_view key, int value);

}  // namespace tz
