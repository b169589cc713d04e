#include "texts/comparison_texts.h"

#include <array>

namespace tz::texts {
namespace {

constexpr std::size_t kTextCount =
    static_cast<std::size_t>(CompareText::RestorePointNotWritten) + 1;

// In the order of CompareText.
constexpr std::array<Translations, kTextCount> kTexts{{
    {"Compare with unit", "Mit der Zündung vergleichen", "Comparer avec l'allumage",
     "Porovnat se zapalováním"},
    {"Compare with file", "Mit Datei vergleichen", "Comparer avec un fichier",
     "Porovnat se souborem"},
    {"Window", "Fenster", "Fenêtre", "Okno"},
    {"Unit", "Zündung", "Allumage", "Zapalování"},
    {"File", "Datei", "Fichier", "Soubor"},
    {"Setting", "Einstellung", "Réglage", "Nastavení"},
    {"Values that differ: %1", "Abweichende Werte: %1", "Valeurs différentes : %1",
     "Rozdílné hodnoty: %1"},
    {"The window and the unit hold the same settings.",
     "Fenster und Zündung enthalten dieselben Einstellungen.",
     "La fenêtre et l'allumage contiennent les mêmes réglages.",
     "Okno a zapalování obsahují stejné nastavení."},
    {"The window and the file hold the same settings.",
     "Fenster und Datei enthalten dieselben Einstellungen.",
     "La fenêtre et le fichier contiennent les mêmes réglages.",
     "Okno a soubor obsahují stejné nastavení."},
    {"Differences", "Unterschiede", "Différences", "Rozdíly"},
    {"Marked cells differ: window value → unit value",
     "Markierte Zellen weichen ab: Wert im Fenster → Wert in der Zündung",
     "Les cellules marquées diffèrent : valeur de la fenêtre → valeur de l'allumage",
     "Označené buňky se liší: hodnota v okně → hodnota v zapalování"},
    {"Marked cells differ: window value → file value",
     "Markierte Zellen weichen ab: Wert im Fenster → Wert in der Datei",
     "Les cellules marquées diffèrent : valeur de la fenêtre → valeur du fichier",
     "Označené buňky se liší: hodnota v okně → hodnota v souboru"},
    {"&Take the unit's values", "Werte der Zündung &übernehmen",
     "&Reprendre les valeurs de l'allumage", "&Převzít hodnoty zapalování"},
    {"&Take the file's values", "Werte der Datei &übernehmen", "&Reprendre les valeurs du fichier",
     "&Převzít hodnoty souboru"},
    {"&Keep the window's values", "Werte des Fensters &behalten",
     "&Garder les valeurs de la fenêtre", "Po&nechat hodnoty okna"},
    {"&Program the unit", "Zündung &programmieren", "&Programmer l'allumage",
     "Naprogramovat &zapalování"},
    {"&Close", "&Schließen", "&Fermer", "&Zavřít"},
    {"rpm", "U/min", "tr/min", "ot/min"},
    {"mV", "mV", "mV", "mV"},
    {"The unit holds other settings than the window. Compare them now?",
     "Die Zündung enthält andere Einstellungen als das Fenster. Jetzt vergleichen?",
     "L'allumage contient d'autres réglages que la fenêtre. Les comparer maintenant ?",
     "Zapalování obsahuje jiné nastavení než okno. Porovnat je nyní?"},
    {"Restore points", "Wiederherstellungspunkte", "Points de restauration", "Body obnovení"},
    {"Folder: %1", "Ordner: %1", "Dossier : %1", "Složka: %1"},
    {"Date and time", "Datum und Uhrzeit", "Date et heure", "Datum a čas"},
    {"Operation", "Vorgang", "Opération", "Operace"},
    {"Unit", "Zündung", "Allumage", "Zapalování"},
    {"Same as window", "Wie im Fenster", "Identique à la fenêtre", "Shodné s oknem"},
    {"Read", "Lesen", "Lecture", "Čtení"},
    {"Program", "Programmieren", "Programmation", "Programování"},
    {"Before programming", "Vor dem Programmieren", "Avant la programmation", "Před programováním"},
    {"yes", "ja", "oui", "ano"},
    {"no", "nein", "non", "ne"},
    {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"},
    {"No restore points have been kept yet. One is written after every read and every program "
     "of the unit.",
     "Es gibt noch keine Wiederherstellungspunkte. Nach jedem Lesen und jedem Programmieren der "
     "Zündung wird einer angelegt.",
     "Aucun point de restauration pour l'instant. Un point est créé après chaque lecture et "
     "chaque programmation de l'allumage.",
     "Zatím nejsou žádné body obnovení. Jeden se vytvoří po každém čtení a každém programování "
     "zapalování."},
    {"The restore point could not be written in %1.",
     "Der Wiederherstellungspunkt konnte nicht in %1 geschrieben werden.",
     "Le point de restauration n'a pas pu être écrit dans %1.",
     "Bod obnovení se nepodařilo zapsat do %1."},
}};

constexpr auto kCaptions = std::to_array<CaptionRow>({
    {"MenuCompareFile",
     Aspect::MenuCaption,
     {"&Compare with file...", "Mit Datei &vergleichen...", "&Comparer avec un fichier...",
      "Po&rovnat se souborem..."}},
    {"MenuRestorePoints",
     Aspect::MenuCaption,
     {"&Restore points...", "&Wiederherstellungspunkte...", "Points de &restauration...",
      "&Body obnovení..."}},
    {"MenuCompareUnit",
     Aspect::MenuCaption,
     {"&Compare with unit", "Mit der Zündung ver&gleichen", "&Comparer avec l'allumage",
      "Po&rovnat se zapalováním"}},
    {"MenuBackup",
     Aspect::MenuCaption,
     {"&Backup before programming", "&Sicherung vor dem Programmieren",
      "&Sauvegarde avant la programmation", "&Záloha před programováním"}},
    {"MenuCompareFile",
     Aspect::MenuHint,
     {"Compare the settings of the window with a .ign file",
      "Die Einstellungen des Fensters mit einer .ign-Datei vergleichen",
      "Comparer les réglages de la fenêtre avec un fichier .ign",
      "Porovnat nastavení okna se souborem .ign"}},
    {"MenuRestorePoints",
     Aspect::MenuHint,
     {"Open the settings kept at an earlier read or program of the unit",
      "Die beim früheren Lesen oder Programmieren der Zündung gesicherten Einstellungen öffnen",
      "Ouvrir les réglages gardés lors d'une lecture ou programmation antérieure de l'allumage",
      "Otevřít nastavení uložené při dřívějším čtení nebo programování zapalování"}},
    {"MenuCompareUnit",
     Aspect::MenuHint,
     {"Read the unit's settings and compare them with the window, which stays as it is",
      "Die Einstellungen der Zündung lesen und mit dem Fenster vergleichen, das unverändert "
      "bleibt",
      "Lire les réglages de l'allumage et les comparer avec la fenêtre, qui reste inchangée",
      "Přečíst nastavení zapalování a porovnat je s oknem, které zůstane beze změny"}},
    {"MenuBackup",
     Aspect::MenuHint,
     {"Before programming, read the unit and keep its settings as a restore point",
      "Vor dem Programmieren die Zündung lesen und ihre Einstellungen als "
      "Wiederherstellungspunkt sichern",
      "Avant de programmer, lire l'allumage et garder ses réglages comme point de restauration",
      "Před programováním přečíst zapalování a uložit jeho nastavení jako bod obnovení"}},
});

}  // namespace

std::string compareText(CompareText text, Language language) {
    return std::string(translated(kTexts[static_cast<std::size_t>(text)], language));
}

std::string compareText(CompareText text, Language language, std::string_view value) {
    std::string out = compareText(text, language);
    if (const std::size_t at = out.find("%1"); at != std::string::npos) out.replace(at, 2, value);
    return out;
}

std::span<const CaptionRow> comparisonCaptions() {
    return kCaptions;
}

}  // namespace tz::texts
