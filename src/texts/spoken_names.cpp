#include "texts/spoken_names.h"

#include <array>

namespace tz::texts {
namespace {

constexpr auto kSpokenNames = std::to_array<SpokenNameRow>({
    {"ComboBoxNasobekPalcu",
     {"Ignitions per revolution", "Zündungen pro Umdrehung", "Allumages par tour",
      "Zapalování na otáčku"}},
    {"RadioGroupGraphMode", {"Graph", "Grafik", "Graphique", "Graf"}},
    {"TrackBarGraphX", {"Turn about X", "Drehung um X", "Rotation autour de X", "Otočení kolem X"}},
    {"TrackBarGraphY", {"Turn about Y", "Drehung um Y", "Rotation autour de Y", "Otočení kolem Y"}},
    {"TrackBarGraphZ", {"Turn about Z", "Drehung um Z", "Rotation autour de Z", "Otočení kolem Z"}},
});

constexpr Translations kIncrease{"Increase", "Erhöhen", "Augmenter", "Zvýšit"};
constexpr Translations kDecrease{"Decrease", "Verringern", "Diminuer", "Snížit"};

}  // namespace

std::span<const SpokenNameRow> spokenNames() {
    return kSpokenNames;
}

const Translations& increaseWord() {
    return kIncrease;
}

const Translations& decreaseWord() {
    return kDecrease;
}

}  // namespace tz::texts
