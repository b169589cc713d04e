#include "texts/live_log_texts.h"

#include <array>

namespace tz::texts {

namespace {

// In the order of LogText.
constexpr auto kTexts = std::to_array<Translations>({
    {"Live data (*.csv)", "Live-Daten (*.csv)", "Données en direct (*.csv)", "Živá data (*.csv)"},
    {"The live-data log cannot be created:\n{}",
     "Das Live-Daten-Protokoll kann nicht angelegt werden:\n{}",
     "Le journal des données en direct ne peut pas être créé :\n{}",
     "Záznam živých dat nelze vytvořit:\n{}"},
    {"Recording stopped: the live-data log could not be written ({}).\nRows kept in the file: {}",
     "Aufzeichnung beendet: Das Live-Daten-Protokoll konnte nicht geschrieben werden ({}).\n"
     "In der Datei erhaltene Zeilen: {}",
     "Enregistrement arrêté : le journal des données en direct n'a pas pu être écrit ({}).\n"
     "Lignes conservées dans le fichier : {}",
     "Nahrávání ukončeno: záznam živých dat nelze zapsat ({}).\nŘádky zachované v souboru: {}"},
    {"Recording {}, rows: {}", "Aufzeichnung {}, Zeilen: {}", "Enregistrement {}, lignes : {}",
     "Nahrávání {}, řádků: {}"},
    {"The live-data log cannot be opened:\n{}",
     "Das Live-Daten-Protokoll kann nicht geöffnet werden:\n{}",
     "Le journal des données en direct ne peut pas être ouvert :\n{}",
     "Záznam živých dat nelze otevřít:\n{}"},
    {"The live-data log cannot be replayed:\nline {}: {}",
     "Das Live-Daten-Protokoll kann nicht wiedergegeben werden:\nZeile {}: {}",
     "Le journal des données en direct ne peut pas être rejoué :\nligne {} : {}",
     "Záznam živých dat nelze přehrát:\nřádek {}: {}"},
    {"The live-data log holds no rows.", "Das Live-Daten-Protokoll enthält keine Zeilen.",
     "Le journal des données en direct ne contient aucune ligne.",
     "Záznam živých dat neobsahuje žádné řádky."},
    {"A transfer with the unit is running. Replay the log when it has finished.",
     "Eine Übertragung mit der Zündung läuft. Geben Sie das Protokoll wieder, wenn sie beendet "
     "ist.",
     "Un transfert avec l'allumage est en cours. Rejouez le journal quand il sera terminé.",
     "Probíhá přenos se zapalováním. Záznam přehrajte, až skončí."},
    {"The live-data log is larger than {} MiB and cannot be replayed.",
     "Das Live-Daten-Protokoll ist größer als {} MiB und kann nicht wiedergegeben werden.",
     "Le journal des données en direct dépasse {} Mio et ne peut pas être rejoué.",
     "Záznam živých dat je větší než {} MiB a nelze jej přehrát."},
    {"The unit does not answer on {}.", "Die Zündung antwortet nicht an {}.",
     "L'allumage ne répond pas sur {}.", "Zapalování na {} neodpovídá."},
    {"Play", "Abspielen", "Lecture", "Přehrát"},
    {"Pause", "Pause", "Pause", "Pozastavit"},
    {"Time in this cell: {} s", "Zeit in dieser Zelle: {} s", "Temps dans cette case : {} s",
     "Čas v této buňce: {} s"},
    {"the columns time_s and time_ms are missing", "die Spalten time_s und time_ms fehlen",
     "les colonnes time_s et time_ms manquent", "chybí sloupce time_s a time_ms"},
    {"the column {} is named twice", "die Spalte {} ist doppelt benannt",
     "la colonne {} est nommée deux fois", "sloupec {} je uveden dvakrát"},
    {"the number of values does not match the header",
     "die Anzahl der Werte passt nicht zur Kopfzeile",
     "le nombre de valeurs ne correspond pas à l'en-tête", "počet hodnot neodpovídá záhlaví"},
    {"{}: not a number", "{}: keine Zahl", "{} : pas un nombre", "{}: není číslo"},
    {"{}: value out of range", "{}: Wert außerhalb des Bereichs", "{} : valeur hors limites",
     "{}: hodnota mimo rozsah"},
    {"{} goes backwards", "{} läuft rückwärts", "{} recule", "{} jde zpět"},
});

static_assert(kTexts.size() == static_cast<std::size_t>(LogText::ProblemTimeBackwards) + 1);

}  // namespace

std::string_view logText(LogText text, Language language) {
    return translated(kTexts[static_cast<std::size_t>(text)], language);
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    const std::string_view* value = values.begin();
    for (std::size_t at = 0;;) {
        const std::size_t mark = pattern.find("{}", at);
        out.append(pattern.substr(at, mark - at));
        if (mark == std::string_view::npos) return out;
        if (value != values.end()) out.append(*value++);
        at = mark + 2;
    }
}

}  // namespace tz::texts
