#include "platform/ini_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/atomic_file.h"

namespace tz {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// Values are one line each: a line break inside a value would create keys.
std::string oneLine(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

}  // namespace

int readInteger(const SettingsStore& store, std::string_view section, std::string_view key,
                int defaultValue) {
    const std::optional<std::string> text = store.readString(section, key);
    if (!text) return defaultValue;
    std::string_view s = trim(*text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 10) return defaultValue;
    long long value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return defaultValue;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

void writeInteger(SettingsStore& store, std::string_view section, std::string_view key, int value) {
    store.writeString(section, key, std::to_string(value));
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    if (std::optional<std::string> text = readWholeFile(path_, 1u << 20)) parse(*text);
}

void IniFile::parse(std::string_view text) {
    sections_.clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = trim(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name =
                trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            current = findSection(name);
            if (!current) {
                sections_.push_back({std::string(name), {}});
                current = &sections_.back();
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        writeString(current->name, trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
        current = findSection(current->name);
    }
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    for (Section& s : sections_)
        if (sameIgnoringCase(s.name, name)) return &s;
    return nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (sameIgnoringCase(s.name, name)) return &s;
    return nullptr;
}

std::optional<std::string> IniFile::readString(std::string_view section,
                                               std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    for (const Entry& e : s->entries)
        if (sameIgnoringCase(e.key, key)) return e.value;
    return std::nullopt;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    for (Entry& e : s->entries) {
        if (sameIgnoringCase(e.key, key)) {
            e.value = oneLine(value);
            return;
        }
    }
    s->entries.push_back({std::string(key), oneLine(value)});
}

std::string IniFile::text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (!out.empty()) out += '\n';
        out += '[' + s.name + "]\n";
        for (const Entry& e : s.entries) out += e.key + '=' + e.value + '\n';
    }
    return out;
}

bool IniFile::flush() {
    return writeFileAtomically(path_, text());
}

}  // namespace tz
