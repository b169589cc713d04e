// Monitor values that change over time as a script says: one line per
// moment, "MS FIELD=VALUE ...", MS counted from the start of the unit. A
// value holds until a later line changes it. '#' starts a comment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/monitor_fields.h"

namespace tz::sim {

struct ScriptStep {
    std::int64_t atMs = 0;
    const link::MonitorField* field = nullptr;
    int value = 0;
};

// The steps in time order; an error names the line on failure.
std::vector<ScriptStep> ParseScript(std::string_view text, std::string& error);

// Applies every step due at nowMs, in order.
void ApplyScript(const std::vector<ScriptStep>& steps, std::int64_t nowMs, MonitorFields& fields);

// "FIELD=VALUE" as used by --set and the script lines.
bool ParseAssignment(std::string_view text, const link::MonitorField*& field, int& value);

}  // namespace tz::sim
