#include "cli/difference_output.h"

#include <cstdio>

#include "texts/setting_names.h"

namespace tz::cli {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
    return out;
}

void writeDifferences(std::ostream& out, std::span<const ImageDifference> differences,
                      texts::Language language, const Image& axes, DifferenceFormat format) {
    for (const ImageDifference& d : differences) {
        const std::string name = texts::settingName(d.key, d.index, language, axes);
        if (format == DifferenceFormat::Json) {
            out << "{\"key\":" << jsonString(d.key) << ",\"index\":" << d.index
                << ",\"name\":" << jsonString(name) << ",\"a\":" << d.a << ",\"b\":" << d.b
                << "}\n";
        } else {
            out << d.key << '\t' << d.index << '\t' << name << '\t' << d.a << '\t' << d.b << '\n';
        }
    }
}

}  // namespace tz::cli
