#include "texts/table_texts.h"

#include <array>

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
    {"The selection is not a rectangle", "Die Auswahl ist kein Rechteck",
     "La sélection n'est pas un rectangle", "Výběr není obdélník"},
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

// ", 3 limited": how many results were limited to their cell's range.
std::string limitedPart(int k, Language language) {
    const std::string count = ", " + std::to_string(k);
    switch (language) {
        case Language::English:
            return count + " limited";
        case Language::German:
            return count + " begrenzt";
        case Language::French:
            return count + (k == 1 ? " limitée" : " limitées");
        case Language::Czech:
            if (k == 1) return count + " omezena";
            if (k >= 2 && k <= 4) return count + " omezeny";
            return count + " omezeno";
    }
    return count;
}

}  // namespace

std::string_view tableText(TableText text, Language language) {
    return translated(kTexts[static_cast<std::size_t>(text)], language);
}

std::span<const CaptionRow> tableToolCaptions() {
    return kCaptions;
}

std::string toolResultLine(TableTool tool, int cells, int clamped, Language language) {
    // English reads "Pasted 6 cells", the others "Eingefügt: 6 Zellen".
    constexpr std::array<Translations, 6> kVerbs{{
        {"Copied ", "Kopiert: ", "Copié : ", "Zkopírováno: "},
        {"Pasted ", "Eingefügt: ", "Collé : ", "Vloženo: "},
        {"Set ", "Gesetzt: ", "Fixé : ", "Nastaveno: "},
        {"Added to ", "Addiert: ", "Ajouté : ", "Přičteno: "},
        {"Scaled ", "Skaliert: ", "Multiplié : ", "Vynásobeno: "},
        {"Smoothed ", "Geglättet: ", "Lissé : ", "Vyhlazeno: "},
    }};
    std::string line(translated(kVerbs[static_cast<std::size_t>(tool)], language));
    line += cellCount(cells, language);
    if (clamped > 0) line += limitedPart(clamped, language);
    return line;
}

std::string pasteRefusedLine(PasteFault fault, int row, int column, Language language) {
    const std::string r = std::to_string(row);
    const std::string c = std::to_string(column);
    switch (fault) {
        case PasteFault::NoValues:
            return std::string(
                translated({"Nothing to paste: no values", "Nichts einzufügen: keine Werte",
                            "Rien à coller : aucune valeur", "Není co vložit: žádné hodnoty"},
                           language));
        case PasteFault::TooLarge:
            return std::string(
                translated({"Too many rows or columns", "Zu viele Zeilen oder Spalten",
                            "Trop de lignes ou de colonnes", "Příliš mnoho řádků či sloupců"},
                           language));
        case PasteFault::Grouping:
        case PasteFault::NotANumber:
            break;
    }
    const bool grouping = fault == PasteFault::Grouping;
    switch (language) {
        case Language::English:
            return (grouping ? "Digit grouping (1.000 = 1 or 1000?) in row "
                             : "Not a number in row ") +
                   r + ", column " + c;
        case Language::German:
            return (grouping ? "Tausendertrennzeichen (1.000 = 1 oder 1000?) in Zeile "
                             : "Keine Zahl in Zeile ") +
                   r + ", Spalte " + c;
        case Language::French:
            return (grouping ? "Séparateur de milliers (1.000 = 1 ou 1000 ?) en ligne "
                             : "Pas un nombre en ligne ") +
                   r + ", colonne " + c;
        case Language::Czech:
            return (grouping ? "Oddělovač tisíců (1.000 = 1 nebo 1000?): řádek "
                             : "Není číslo: řádek ") +
                   r + ", sloupec " + c;
    }
    return {};
}

}  // namespace tz::texts
