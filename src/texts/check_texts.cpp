#include "texts/check_texts.h"

#include <array>

namespace tz::texts {
namespace {

constexpr std::size_t kTextCount = static_cast<std::size_t>(CheckText::WheelTdcAfter) + 1;

// In the order of CheckText.
constexpr std::array<Translations, kTextCount> kTexts{{
    {"Row %1, columns %2 and %3: the advance steps from %4° to %5°, more than %6°.",
     "Zeile %1, Spalten %2 und %3: die Vorzündung springt von %4° auf %5°, mehr als %6°.",
     "Ligne %1, colonnes %2 et %3 : l'avance passe de %4° à %5°, plus de %6°.",
     "Řádek %1, sloupce %2 a %3: předstih skáče z %4° na %5°, více než %6°."},
    {"Column %1, rows %2 and %3: the advance steps from %4° to %5°, more than %6°.",
     "Spalte %1, Zeilen %2 und %3: die Vorzündung springt von %4° auf %5°, mehr als %6°.",
     "Colonne %1, lignes %2 et %3 : l'avance passe de %4° à %5°, plus de %6°.",
     "Sloupec %1, řádky %2 a %3: předstih skáče z %4° na %5°, více než %6°."},
    {"Row %1, column %2: %3°, the top of the cell's range.",
     "Zeile %1, Spalte %2: %3°, das Maximum des Zellbereichs.",
     "Ligne %1, colonne %2 : %3°, le maximum de la plage de la cellule.",
     "Řádek %1, sloupec %2: %3°, horní mez rozsahu buňky."},
    {"RPM axis, column %1: %2 rpm does not rise above %3 rpm.",
     "Drehzahlachse, Spalte %1: %2 U/min liegt nicht über %3 U/min.",
     "Axe des régimes, colonne %1 : %2 tr/min ne dépasse pas %3 tr/min.",
     "Osa otáček, sloupec %1: %2 ot/min nejsou nad %3 ot/min."},
    {"Servo curve, point %1: %2 rpm does not rise above %3 rpm.",
     "Servokurve, Punkt %1: %2 U/min liegt nicht über %3 U/min.",
     "Courbe du servo, point %1 : %2 tr/min ne dépasse pas %3 tr/min.",
     "Křivka serva, bod %1: %2 ot/min nejsou nad %3 ot/min."},
    {"%1: %2 rpm lies below the map's lowest speed, %3 rpm.",
     "%1: %2 U/min liegt unter der niedrigsten Drehzahl des Kennfelds, %3 U/min.",
     "%1 : %2 tr/min est au-dessous du régime le plus bas de la cartographie, %3 tr/min.",
     "%1: %2 ot/min je pod nejnižšími otáčkami mapy, %3 ot/min."},
    {"Servo curve, point %1: %2 rpm lies below the map's lowest speed, %3 rpm.",
     "Servokurve, Punkt %1: %2 U/min liegt unter der niedrigsten Drehzahl des Kennfelds, %3 "
     "U/min.",
     "Courbe du servo, point %1 : %2 tr/min est au-dessous du régime le plus bas de la "
     "cartographie, %3 tr/min.",
     "Křivka serva, bod %1: %2 ot/min je pod nejnižšími otáčkami mapy, %3 ot/min."},
    {"%1: %2° is more than the map's smallest advance, %3°; with it the spark comes after top "
     "dead centre.",
     "%1: %2° ist mehr als die kleinste Vorzündung des Kennfelds, %3°; damit zündet es nach dem "
     "oberen Totpunkt.",
     "%1 : %2° dépasse la plus petite avance de la cartographie, %3° ; l'étincelle vient alors "
     "après le point mort haut.",
     "%1: %2° je více než nejmenší předstih mapy, %3°; jiskra pak přijde až za horní úvratí."},
    {"%1 is 0: the unit cannot find its lobes.",
     "%1 ist 0: die Zündung findet ihre Leitstücke nicht.",
     "%1 vaut 0 : l'allumage ne peut pas trouver ses lobes.",
     "%1 je 0: zapalování nenajde své výstupky."},
    {"Check before programming", "Prüfung vor dem Programmieren",
     "Vérification avant la programmation", "Kontrola před programováním"},
    {"The settings have %1 findings that may harm the engine. Program the unit anyway?",
     "Die Einstellungen haben %1 Befunde, die dem Motor schaden können. Die Zündung trotzdem "
     "programmieren?",
     "Les réglages présentent %1 constats qui peuvent nuire au moteur. Programmer l'allumage "
     "quand même ?",
     "Nastavení má %1 nálezů, které mohou poškodit motor. Přesto zapalování naprogramovat?"},
    {"&Program anyway", "&Trotzdem programmieren", "&Programmer quand même",
     "&Přesto naprogramovat"},
    {"&Cancel", "&Abbrechen", "&Annuler", "&Zrušit"},
    {"&Go to the cell", "&Zur Zelle gehen", "&Aller à la cellule", "Pře&jít na buňku"},
    {"TDC", "OT", "PMH", "HÚ"},
    {"Turning clockwise", "Drehung im Uhrzeigersinn", "Rotation horaire", "Otáčení po směru hodin"},
    {"M: maximum advance", "M: maximale Vorzündung", "M : avance maximale",
     "M: maximální předstih"},
    {"S: start advance", "S: Startvorzündung", "S : avance de démarrage", "S: startovací předstih"},
    {"P1, P2: pick-ups", "P1, P2: Geber", "P1, P2 : capteurs", "P1, P2: snímače"},
    {"TDC %1° after M1", "OT %1° nach M1", "PMH %1° après M1", "HÚ %1° za M1"},
}};

}  // namespace

std::string checkText(CheckText text, Language language,
                      std::initializer_list<std::string_view> values) {
    const std::string_view pattern = translated(kTexts[static_cast<std::size_t>(text)], language);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

std::vector<std::string> wheelCaption(Language language, int largestAdvance) {
    return {checkText(CheckText::WheelTurning, language),
            checkText(CheckText::WheelPoints, language),
            checkText(CheckText::WheelStartPoints, language),
            checkText(CheckText::WheelPickups, language),
            checkText(CheckText::WheelTdcAfter, language, {std::to_string(largestAdvance)})};
}

}  // namespace tz::texts
