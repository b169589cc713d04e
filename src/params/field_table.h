// The image's fields as the window edits them: each value field with the
// units it is shown in, how it converts to its byte and the range its
// editor allows. The window binds its up/downs to these fields; what it can
// show of an image is applied as a rule of its own (editor_rules.h).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "params/image.h"

namespace tz {

enum class FieldEncoding : std::uint8_t {
    Plain,      // the value is the byte
    Scaled,     // byte = value / scale
    Offset100,  // byte = value + 100
    Tps100,     // byte = value / 10 + 6
};

struct FieldSpec {
    int byte = 0;
    FieldEncoding encoding = FieldEncoding::Plain;
    int scale = 1;
    int min = 0;  // shown units
    int max = 0;
};

// Every value field, in the order the window reads them: the general values,
// both channels' lobe numbers, the three axes, the map cells, the power
// outputs' thresholds, the test values.
const std::vector<FieldSpec>& valueFields();
// The value field stored in this byte, if any.
const FieldSpec* valueField(int byte);

// The byte of a shown value, and the shown value of a byte.
std::uint8_t encodeField(const FieldSpec& field, int value);
int decodeField(const FieldSpec& field, std::uint8_t byte);

// The flag bytes the window edits with check boxes (0 or 1): the Bike page's
// flags and both channels' lobe flags.
const std::vector<int>& flagFields();

// A byte that holds an item of a list: the motorcycle type, the
// synchronisation method, the lobe multiplier, the inputs' functions, the
// pick-ups' polarities and the power outputs' modes.
struct ChoiceList {
    int byte = 0;
    int items = 0;
};
const std::vector<ChoiceList>& choiceLists();
// Pick-up polarity: positive, negative and the self-search, which the 48-2
// method cannot use.
int polarityItems(std::uint8_t syncMethod);

}  // namespace tz
