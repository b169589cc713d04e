#include "texts/setting_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <span>

#include "params/ign_values.h"
#include "texts/caption_tables.h"

namespace tz::texts {
namespace {

// Names the window has no caption for. "%1" and "%2" stand for numbers.
constexpr Translations kIgnitionsPerRevolution{"Ignitions per revolution",
                                               "Zündungen pro Umdrehung", "Allumages par tour",
                                               "Počet zápalů za otáčku"};
constexpr Translations kStartLimiterDelay{"Start limiter delay", "Verzögerung des Startbegrenzers",
                                          "Délai du limiteur de départ",
                                          "Zpoždění startovacího omezovače"};
constexpr Translations kTpsPercent = sameInAll("TPS %1 %");
constexpr Translations kColumnSpeed{"rpm of column %1", "Drehzahl der Spalte %1",
                                    "régime de la colonne %1", "otáčky sloupce %1"};
constexpr Translations kSpeed{"%1 rpm", "%1 U/min", "%1 tr/min", "%1 ot/min"};
constexpr Translations kServoPointSpeed{"point %1, rpm", "Punkt %1, Drehzahl", "point %1, régime",
                                        "bod %1, otáčky"};
constexpr Translations kServoPointVoltage{"point %1, voltage", "Punkt %1, Spannung",
                                          "point %1, tension", "bod %1, napětí"};
constexpr Translations kPowerOut{"Power out %1", "Leistungsausgang %1", "Sortie de puissance %1",
                                 "Výkonový výstup %1"};
constexpr Translations kMode{"mode", "Modus", "mode", "režim"};
constexpr Translations kSpeedThreshold{"rpm threshold %1", "Drehzahlschwelle %1",
                                       "seuil de régime %1", "práh otáček %1"};
constexpr Translations kTpsThreshold{"TPS threshold %1", "TPS-Schwelle %1", "seuil TPS %1",
                                     "práh TPS %1"};
constexpr Translations kZone{"zone row %1, column %2", "Zone Zeile %1, Spalte %2",
                             "zone ligne %1, colonne %2", "zóna řádek %1, sloupec %2"};
constexpr Translations kTestSpeed{"Test, rpm", "Test, Drehzahl", "Test, régime", "Test, otáčky"};
constexpr Translations kTestServoTime{"Test, servo time", "Test, Servozeit", "Test, durée du servo",
                                      "Test, čas serva"};
constexpr Translations kImageByte{"Image byte %1", "Abbild-Byte %1", "Octet d'image %1",
                                  "Bajt obrazu %1"};

constexpr Translations kPowerOutPage{"Power Out", "Leistungsausgänge", "Sorties de puissance",
                                     "Výkonové výstupy"};
constexpr Translations kTestPage = sameInAll("Test");
constexpr Translations kOtherPage{"Other", "Sonstiges", "Autres", "Ostatní"};

std::string filled(std::string_view pattern, long first, long second = 0) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += std::to_string(pattern[++i] == '1' ? first : second);
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

// A caption as a name: without access-key marks and units in brackets,
// single-spaced and trimmed.
std::string cleaned(std::string_view caption) {
    std::string out;
    bool inBrackets = false;
    for (char c : caption) {
        if (c == '[') inBrackets = true;
        if (!inBrackets && c != '&' && !(c == ' ' && (out.empty() || out.back() == ' ')))
            out.push_back(c);
        if (c == ']') inBrackets = false;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string captionOf(std::string_view target, Language language) {
    for (std::span<const CaptionRow> rows :
         {pageCaptions(), inputGroups(), pickupPolarityCaptions()}) {
        for (const CaptionRow& row : rows)
            if (row.target == target && row.aspect == Aspect::Caption)
                return cleaned(translated(row.text, language));
    }
    return {};
}

class Namer {
  public:
    Namer(Language language, const Image& axes) : language_(language), axes_(axes) {}

    std::string name(std::string_view key, int i) const {
        if (key == "BIKE") return bike(i);
        if (key == "GEBER_MODE") return text(kIgnitionsPerRevolution);
        if (key == "INPUT") {
            constexpr std::array<std::string_view, 4> kTargets{
                "RadioGroupInput1", "RadioGroupInput2", "RadioGroupPickup1Polarita",
                "RadioGroupPickup2Polarita"};
            return caption(kTargets[static_cast<std::size_t>(i - 1)]);
        }
        if (key == "PICKUPS_INTERCHANGE") return caption("CheckBoxZamenaPickup");
        if (key == "NO_LOBE_CHECK") return caption("CheckBoxNehlidaPalec");
        if (key == "INTERLOCK_INPUT") return caption("CheckBoxCrossBlock");
        if (key == "SPARK_BEFORE_LOBE") return caption("CheckBoxPredPalec");
        if (key == "SPECIAL_START") return caption("CheckBoxSpecStart");
        if (key == "BASE_ADV") return caption("LabelBaseAdv");
        if (key == "LIMITER") {
            constexpr std::array<std::string_view, 3> kTargets{"LabelOmez1", "LabelOmez2",
                                                               "LabelRetard"};
            return caption(kTargets[static_cast<std::size_t>(i - 1)]);
        }
        if (key == "START_LIMITER_DELAY") return text(kStartLimiterDelay);
        if (key == "CLUTCH") return caption(i == 1 ? "LabelClutchTime" : "LabelClutchPause");
        if (key == "TPS") return text(kTpsPercent, i == 1 ? 0 : 100);
        if (key == "RPM")
            return joined(
                {caption("GroupBoxRpm"), caption(i == 1 ? "LabelRpmPulsu" : "LabelRpmKorekce")});
        if (key == "TPS_MAPA") return joined({caption("TabSheetAdvance"), "TPS"});
        if (key == "RPM_ADV") return joined({caption("TabSheetAdvance"), text(kColumnSpeed, i)});
        if (key == "ADVANCE") return advanceCell(i - 1);
        if (key == "COR_ADV_12") return cylinderCorrection(i);
        if (key == "SERVO_ENABLE") return caption("CheckBoxPrivEnable");
        if (key == "SERVO_HYSTER") return caption("LabelServoHyster");
        if (key == "SERVO_RPM")
            return joined({caption("TabSheetServo"), text(kServoPointSpeed, i)});
        if (key == "SERVO_MV")
            return joined({caption("TabSheetServo"), text(kServoPointVoltage, i)});
        if (key.starts_with("POWER_OUT")) return powerOut(key.back() - '0', i);
        if (key == "TEST") return text(i == 1 ? kTestSpeed : kTestServoTime);
        return {};
    }

  private:
    std::string caption(std::string_view target) const { return captionOf(target, language_); }
    std::string text(const Translations& t, long first = 0, long second = 0) const {
        return filled(translated(t, language_), first, second);
    }
    static std::string joined(std::initializer_list<std::string> parts) {
        std::string out;
        for (const std::string& part : parts) {
            if (!out.empty()) out += ", ";
            out += part;
        }
        return out;
    }

    std::string bike(int i) const {
        switch (i) {
            case 1:
                return caption("LabelBike");
            case 2:
                return caption("LabelSynchro");
            case 3:
                return caption("LabelPocPalcu");
            case 4:
                return caption("LabelPocKanalu");
            case 17:
                return caption("LabelPocSynchro");
            case 18:
            case 19:
                return caption("LabelKompenz") + " " + std::to_string(i - 17);
            default:
                break;
        }
        // Numbers 5..16: per channel the maximum advance point, then the
        // start point, each as lobe, 2nd edge and 2nd pick-up.
        const int k = i - 5;
        const std::string channel = std::to_string(k / 6 + 1);
        constexpr std::array<std::string_view, 3> kColumns{"LabelLobe", "LabelHrana2",
                                                           "LabelSnimac2"};
        return joined({caption("GroupBoxPalec" + channel),
                       caption("LabelPalec" + channel + (k % 6 < 3 ? "Zac" : "End")),
                       caption(kColumns[static_cast<std::size_t>(k % 3)])});
    }

    std::string advanceCell(int k) const {
        const int row = k / kMapColumns, column = k % kMapColumns;
        return joined({caption("TabSheetAdvance"),
                       text(kSpeed, axes_[field::RPM_ADV + column] * 100L),
                       text(kTpsPercent, kTpsBreakpoints[static_cast<std::size_t>(row)])});
    }

    // "Correction for cyl. 1,2" names both cylinders; one cylinder's number
    // takes the place of the pair.
    std::string cylinderCorrection(int cylinder) const {
        std::string both = caption("LabelKorekceAdv");
        constexpr std::string_view kPair = "1,2";
        if (both.ends_with(kPair))
            both.resize(both.size() - kPair.size());
        else
            both += ' ';
        return both + std::to_string(cylinder);
    }

    // Numbers 1 mode, 2..4 speed thresholds, 5..6 throttle thresholds,
    // 7..18 the zone switches row by row.
    std::string powerOut(int output, int i) const {
        const std::string out = text(kPowerOut, output);
        if (i == 1) return joined({out, text(kMode)});
        if (i <= 4) return joined({out, text(kSpeedThreshold, i - 1)});
        if (i <= 6) return joined({out, text(kTpsThreshold, i - 4)});
        const int zone = i - 7;
        return joined({out, text(kZone, zone / 4 + 1, zone % 4 + 1)});
    }

    Language language_;
    const Image& axes_;
};

bool isIgnNumber(std::string_view key, int index) {
    const auto values = ignValues();
    return std::any_of(values.begin(), values.end(),
                       [&](const IgnValue& v) { return v.key == key && v.index == index; });
}

void capitalise(std::string& name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
}

}  // namespace

std::string settingName(std::string_view key, int index, Language language, const Image& axes) {
    if (key == kByteKey && index >= 0 && index < kImageSize)
        return filled(translated(kImageByte, language), index);
    if (!isIgnNumber(key, index)) return std::string(key) + " " + std::to_string(index);
    std::string name = Namer(language, axes).name(key, index);
    capitalise(name);
    return name;
}

std::string pageName(WindowPage page, Language language) {
    switch (page) {
        case WindowPage::Inputs:
            return captionOf("TabSheet_Inputs", language);
        case WindowPage::Bike:
            return captionOf("TabSheetBike", language);
        case WindowPage::AdvanceMap:
            return captionOf("TabSheetAdvance", language);
        case WindowPage::Servo:
            return captionOf("TabSheetServo", language);
        case WindowPage::PowerOut:
            return std::string(translated(kPowerOutPage, language));
        case WindowPage::Test:
            return std::string(translated(kTestPage, language));
        case WindowPage::None:
            break;
    }
    return std::string(translated(kOtherPage, language));
}

}  // namespace tz::texts
