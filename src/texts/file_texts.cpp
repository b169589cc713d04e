#include "texts/file_texts.h"

#include <array>

namespace tz::texts {

namespace {

// In the order of FileText.
constexpr std::array<Translations, 4> kTexts{{
    {"%1, line %2: %3 stops at \"%4\", which is not a number; its remaining values were not read",
     "%1, Zeile %2: %3 endet bei „%4“, das keine Zahl ist; die übrigen Werte wurden nicht gelesen",
     "%1, ligne %2 : %3 s'arrête à « %4 », qui n'est pas un nombre ; ses autres valeurs n'ont pas "
     "été lues",
     "%1, řádek %2: %3 končí u „%4“, což není číslo; zbývající hodnoty nebyly načteny"},
    {"%1 is empty: it holds no settings", "%1 ist leer: die Datei enthält keine Einstellungen",
     "%1 est vide : il ne contient aucun réglage", "%1 je prázdný: neobsahuje žádná nastavení"},
    {"%1 is not a settings file: it has no usable KORVANEX_KEY line",
     "%1 ist keine Einstellungsdatei: sie hat keine brauchbare Zeile KORVANEX_KEY",
     "%1 n'est pas un fichier de réglages : il n'a pas de ligne KORVANEX_KEY utilisable",
     "%1 není soubor nastavení: nemá použitelný řádek KORVANEX_KEY"},
    {"Nothing written: values of the file were not read (--accept-defaults writes it anyway)",
     "Nichts geschrieben: Werte der Datei wurden nicht gelesen (--accept-defaults schreibt "
     "trotzdem)",
     "Rien n'a été écrit : des valeurs du fichier n'ont pas été lues (--accept-defaults écrit "
     "quand même)",
     "Nic nebylo zapsáno: některé hodnoty souboru nebyly načteny (--accept-defaults přesto "
     "zapíše)"},
}};

}  // namespace

std::string fileText(FileText text, Language language,
                     std::initializer_list<std::string_view> values) {
    const std::string_view pattern = translated(kTexts[static_cast<std::size_t>(text)], language);
    // One pass, so that a value holding "%2" stays as it is.
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t index = i + 1 < pattern.size() && pattern[i] == '%'
                                      ? static_cast<std::size_t>(pattern[i + 1] - '1')
                                      : values.size();
        if (index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace tz::texts
