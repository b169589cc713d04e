// The settings store on an INI file: sections in square brackets and
// "key=value" lines. Keys are matched without regard to letter case and kept
// exactly as spelled; the file is replaced atomically on flush.
#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace tz {

class IniFile : public SettingsStore {
  public:
    // Loads the file when it exists; a missing or unreadable file is empty.
    explicit IniFile(std::string path);

    std::optional<std::string> readString(std::string_view section,
                                          std::string_view key) const override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool flush() override;

    // The file text as flush writes it.
    std::string text() const;
    void parse(std::string_view text);

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::string path_;
    std::vector<Section> sections_;
};

}  // namespace tz
