#include "params/editor_rules.h"

#include <algorithm>

#include "params/field_table.h"
#include "params/power_out_patterns.h"

namespace tz {

using namespace field;

namespace {

void limitChoice(std::uint8_t& byte, int items) {
    byte = static_cast<std::uint8_t>(std::min<int>(byte, items - 1));
}

}  // namespace

void ApplyEditorRules(Image& im) {
    // A motorcycle code without an item shows the list's selection as a fresh
    // window has it: the first item.
    im[BIKE] = encoding::encodeBike(std::max(encoding::decodeBike(im[BIKE]), 0));
    im[GEBER_MODE] = encoding::encodeGeberMode(encoding::decodeGeberMode(im[GEBER_MODE]));
    for (const ChoiceList& c : choiceLists())
        if (c.byte != BIKE && c.byte != GEBER_MODE) limitChoice(im[c.byte], c.items);
    limitChoice(im[PICKUP1_POLARITY], polarityItems(im[SYNC_METHOD]));
    limitChoice(im[PICKUP2_POLARITY], polarityItems(im[SYNC_METHOD]));

    if (im[BIKE] == kBikeSpecial && im[SYNC_METHOD] == 0) {
        im[INTERLOCK_INPUT] = encoding::encodeFlag(im[INTERLOCK_INPUT] != 0);
        im[SPARK_BEFORE_LOBE] = encoding::encodeFlag(im[SPARK_BEFORE_LOBE] != 0);
    } else {
        im[INTERLOCK_INPUT] = 0;
        im[SPARK_BEFORE_LOBE] = 0;
    }
    for (int byte : flagFields()) im[byte] = encoding::encodeFlag(im[byte] != 0);
    if (im[SYNC_METHOD] == kSyncTwoPolarities) {
        for (int c = 0; c < kChannels; ++c) {
            im[lobeByte(MAX_ADV_EDGE2, c)] = 1;
            im[lobeByte(START_ADV_EDGE2, c)] = 1;
        }
    }

    for (const FieldSpec& f : valueFields())
        im[f.byte] = encodeField(f, std::clamp(decodeField(f, im[f.byte]), f.min, f.max));

    for (int n = 0; n < kPowerOutputs; ++n) {
        const std::optional<ZoneRows> fixed = fixedZoneRows(im[powerOutMode(n)]);
        for (int row = 0; row < 3; ++row) {
            std::uint8_t& zones = im[powerOutMap(n, row)];
            zones = fixed ? (*fixed)[static_cast<std::size_t>(row)] : zones & 0x0F;
        }
    }
}

}  // namespace tz
