#include "texts/table_texts.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tz::texts {
namespace {

constexpr std::array<Translations, 9> kTexts{{
    // SetTitle, SetPrompt
    {"Set to", "Setzen auf", "Fixer à", "Nastavit na"},
    {"New advance of the selected cells [°]:", "Neue Vorzündung der ausgewählten Zellen [°]:",
     "Nouvelle avance des cellules sélectionnées [°] :", "Nový předstih vybraných buněk [°]:"},
    // AddTitle, AddPrompt
    {"Add", "Addieren", "Ajouter", "Přičíst"},
    {"Degrees to add to the selected cells, negative to subtract [°]:",
     "Zu den ausgewählten Zellen addieren, negativ zum Abziehen [°]:",
     "Degrés à ajouter aux cellules sélectionnées, négatif pour retrancher [°] :",
     "Přičíst k vybraným buňkám, záporné číslo odečte [°]:"},
    // ScaleTitle, ScalePrompt
    {"Scale", "Skalieren", "Multiplier", "Měřítko"},
    {"New values as a percentage of the present ones [%]:",
     "Neue Werte in Prozent der bisherigen [%]:",
     "Nouvelles valeurs en pourcentage des valeurs actuelles [%] :",
     "Nové hodnoty v procentech dosavadních [%]:"},
    // Ok, Cancel
    sameInAll("OK"),
    {"Cancel", "Abbrechen", "Annuler", "Zrušit"},
    // NotRectangle
    {"The selected cells do not form a rectangle.", "Die ausgewählten Zellen bilden kein Rechteck.",
     "Les cellules sélectionnées ne forment pas un rectangle.", "Vybrané buňky netvoří obdélník."},
}};

constexpr Translations kSetCaption{"&Set to...", "&Setzen auf...", "&Fixer à...",
                                   "&Nastavit na..."};
constexpr Translations kAddCaption{"&Add...", "&Addieren...", "&Ajouter...", "&Přičíst..."};
constexpr Translations kScaleCaption{"Scal&e %...", "Skal&ieren %...", "&Multiplier (%)...",
                                     "&Měřítko %..."};
constexpr Translations kSmoothCaption{"S&mooth", "&Glätten", "&Lisser", "Vy&hladit"};

constexpr Translations kSetHint{"Set every selected map cell to one value",
                                "Alle ausgewählten Zellen der Karte auf einen Wert setzen",
                                "Donner une même valeur à toutes les cellules sélectionnées",
                                "Nastavit všechny vybrané buňky mapy na jednu hodnotu"};
constexpr Translations kAddHint{"Add a number of degrees to every selected map cell",
                                "Eine Gradzahl zu jeder ausgewählten Zelle der Karte addieren",
                                "Ajouter des degrés à chaque cellule sélectionnée de la carte",
                                "Přičíst počet stupňů ke každé vybrané buňce mapy"};
constexpr Translations kScaleHint{
    "Multiply every selected map cell by a percentage",
    "Jede ausgewählte Zelle der Karte mit einem Prozentsatz multiplizieren",
    "Multiplier chaque cellule sélectionnée de la carte par un pourcentage",
    "Vynásobit každou vybranou buňku mapy procentem"};
constexpr Translations kSmoothHint{
    "Average every selected map cell with its selected neighbours",
    "Jede ausgewählte Zelle der Karte mit ihren ausgewählten Nachbarn mitteln",
    "Moyenner chaque cellule sélectionnée avec ses voisines sélectionnées",
    "Zprůměrovat každou vybranou buňku mapy s vybranými sousedy"};

constexpr auto kCaptions = std::to_array<CaptionRow>({
    {"MenuSetCells", Aspect::MenuCaption, kSetCaption},
    {"MenuAddCells", Aspect::MenuCaption, kAddCaption},
    {"MenuScaleCells", Aspect::MenuCaption, kScaleCaption},
    {"MenuSmoothCells", Aspect::MenuCaption, kSmoothCaption},
    {"PopupCopyCells", Aspect::MenuCaption, {"&Copy", "&Kopieren", "&Copier", "&Kopírovat"}},
    {"PopupPasteCells", Aspect::MenuCaption, {"&Paste", "&Einfügen", "C&oller", "&Vložit"}},
    {"PopupSetCells", Aspect::MenuCaption, kSetCaption},
    {"PopupAddCells", Aspect::MenuCaption, kAddCaption},
    {"PopupScaleCells", Aspect::MenuCaption, kScaleCaption},
    {"PopupSmoothCells", Aspect::MenuCaption, kSmoothCaption},
    {"MenuSetCells", Aspect::MenuHint, kSetHint},
    {"MenuAddCells", Aspect::MenuHint, kAddHint},
    {"MenuScaleCells", Aspect::MenuHint, kScaleHint},
    {"MenuSmoothCells", Aspect::MenuHint, kSmoothHint},
    {"PopupCopyCells",
     Aspect::MenuHint,
     {"Copy the selected cells, or this cell, as text for a spreadsheet",
      "Die ausgewählten Zellen oder diese Zelle als Text für eine Tabellenkalkulation kopieren",
      "Copier les cellules sélectionnées, ou cette cellule, comme texte pour un tableur",
      "Zkopírovat vybrané buňky nebo tuto buňku jako text pro tabulkový procesor"}},
    {"PopupPasteCells",
     Aspect::MenuHint,
     {"Paste values copied from a spreadsheet at the selection or at this cell",
      "Aus einer Tabellenkalkulation kopierte Werte an der Auswahl oder dieser Zelle einfügen",
      "Coller des valeurs copiées d'un tableur à la sélection ou à cette cellule",
      "Vložit hodnoty zkopírované z tabulkového procesoru do výběru nebo do této buňky"}},
    {"PopupSetCells", Aspect::MenuHint, kSetHint},
    {"PopupAddCells", Aspect::MenuHint, kAddHint},
    {"PopupScaleCells", Aspect::MenuHint, kScaleHint},
    {"PopupSmoothCells", Aspect::MenuHint, kSmoothHint},
});

// A number as the language writes it: whole, or with one decimal after the
// language's decimal mark.
std::string number(double v, Language language, bool sign) {
    const double tenths = std::round(v * 10);
    char text[48];
    if (std::fmod(tenths, 10) == 0)
        std::snprintf(text, sizeof text, sign ? "%+.0f" : "%.0f", tenths / 10);
    else
        std::snprintf(text, sizeof text, sign ? "%+.1f" : "%.1f", tenths / 10);
    std::string out = text;
    if (language != Language::English)
        for (char& c : out)
            if (c == '.') c = ',';
    return out;
}

// "12 cells" with the noun in the number the count asks for.
std::string cellCount(int n, Language language) {
    const std::string count = std::to_string(n);
    switch (language) {
        case Language::English:
            return count + (n == 1 ? " cell" : " cells");
        case Language::German:
            return count + (n == 1 ? " Zelle" : " Zellen");
        case Language::French:
            return count + (n <= 1 ? " cellule" : " cellules");
        case Language::Czech:
            if (n == 1) return count + " buňka";
            if (n >= 2 && n <= 4) return count + " buňky";
            return count + " buněk";
    }
    return count;
}

std::string toolLabel(TableTool tool, double amount, Language language) {
    constexpr std::array<Translations, 6> kLabels{{
        {"Copied", "Kopiert", "Copié", "Zkopírováno"},
        {"Pasted", "Eingefügt", "Collé", "Vloženo"},
        {"Set to ", "Gesetzt auf ", "Fixé à ", "Nastaveno na "},
        {"Added ", "Addiert ", "Ajouté ", "Přičteno "},
        {"Scaled to ", "Skaliert auf ", "Multiplié par ", "Změněno na "},
        {"Smoothed", "Geglättet", "Lissé", "Vyhlazeno"},
    }};
    std::string label(translated(kLabels[static_cast<std::size_t>(tool)], language));
    if (tool == TableTool::Set) label += number(amount, language, false);
    if (tool == TableTool::Add) label += number(amount, language, true);
    if (tool == TableTool::Scale) label += number(amount, language, false) + " %";
    return label;
}

std::string limitedPart(int clamped, Language language) {
    const std::string k = std::to_string(clamped);
    switch (language) {
        case Language::English:
            return ", " + k + " of them limited to the cell range";
        case Language::German:
            return ", davon " + k + " auf den Zellbereich begrenzt";
        case Language::French:
            return ", dont " + k + (clamped == 1 ? " limitée" : " limitées") +
                   " à la plage de la cellule";
        case Language::Czech:
            return ", z toho omezeno na rozsah buňky: " + k;
    }
    return {};
}

}  // namespace

std::string_view tableText(TableText text, Language language) {
    return translated(kTexts[static_cast<std::size_t>(text)], language);
}

std::span<const CaptionRow> tableToolCaptions() {
    return kCaptions;
}

std::string toolResultLine(TableTool tool, double amount, int cells, int clamped,
                           Language language) {
    std::string line = toolLabel(tool, amount, language);
    line += language == Language::French ? " : " : ": ";
    line += cellCount(cells, language);
    if (clamped > 0) line += limitedPart(clamped, language);
    return line + ".";
}

std::string pasteRefusedLine(PasteFault fault, int row, int column, std::string_view field,
                             Language language) {
    const std::string r = std::to_string(row);
    const std::string c = std::to_string(column);
    const std::string f(field);
    switch (fault) {
        case PasteFault::NoValues:
            return std::string(translated({"Nothing pasted: the clipboard holds no values.",
                                           "Nichts eingefügt: Die Zwischenablage enthält keine "
                                           "Werte.",
                                           "Rien n'a été collé : le presse-papiers ne contient "
                                           "aucune valeur.",
                                           "Nic nevloženo: schránka neobsahuje žádné hodnoty."},
                                          language));
        case PasteFault::TooLarge:
            return std::string(
                translated({"Nothing pasted: the clipboard holds too many rows or "
                            "columns.",
                            "Nichts eingefügt: Die Zwischenablage enthält zu viele "
                            "Zeilen oder Spalten.",
                            "Rien n'a été collé : le presse-papiers contient trop de "
                            "lignes ou de colonnes.",
                            "Nic nevloženo: schránka obsahuje příliš mnoho řádků "
                            "nebo sloupců."},
                           language));
        case PasteFault::NotANumber:
            break;
    }
    switch (language) {
        case Language::English:
            return "Nothing pasted: row " + r + ", column " + c +
                   " of the clipboard is not a number (\"" + f + "\").";
        case Language::German:
            return "Nichts eingefügt: Zeile " + r + ", Spalte " + c +
                   " der Zwischenablage ist keine Zahl („" + f + "“).";
        case Language::French:
            return "Rien n'a été collé : ligne " + r + ", colonne " + c +
                   " du presse-papiers n'est pas un nombre (« " + f + " »).";
        case Language::Czech:
            return "Nic nevloženo: řádek " + r + ", sloupec " + c + " schránky není číslo („" + f +
                   "“).";
    }
    return {};
}

}  // namespace tz::texts
