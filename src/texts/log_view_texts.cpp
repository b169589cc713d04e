#include "texts/log_view_texts.h"

#include <array>

namespace tz::texts {

namespace {

constexpr auto kChannels = std::to_array<Translations>({
    {"RPM", "Drehzahl", "Régime", "Otáčky"},
    {"Throttle", "Drosselklappe", "Papillon", "Plyn"},
    {"Throttle sensor", "Drosselsensor", "Capteur papillon", "Snímač plynu"},
    {"Supply", "Versorgung", "Alimentation", "Napájení"},
    {"Advance 1", "Vorzündung 1", "Avance 1", "Předstih 1"},
    {"Advance 2", "Vorzündung 2", "Avance 2", "Předstih 2"},
    {"Max. advance 1", "Max. Vorzündung 1", "Avance max. 1", "Max. předstih 1"},
    {"Max. advance 2", "Max. Vorzündung 2", "Avance max. 2", "Max. předstih 2"},
    {"Servo target", "Servo Soll", "Servo consigne", "Servo požadované"},
    {"Servo measured", "Servo Ist", "Servo mesuré", "Servo měřené"},
    {"Pick-up 1", "Geber 1", "Capteur 1", "Snímač 1"},
    {"Pick-up 2", "Geber 2", "Capteur 2", "Snímač 2"},
    {"Running", "Motor läuft", "Moteur tourne", "Motor běží"},
    {"Power out 1", "Ausgang 1", "Sortie 1", "Výstup 1"},
    {"Power out 2", "Ausgang 2", "Sortie 2", "Výstup 2"},
    {"Power out 3", "Ausgang 3", "Sortie 3", "Výstup 3"},
    {"Input 1", "Eingang 1", "Entrée 1", "Vstup 1"},
    {"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"},
    {"Errors", "Fehler", "Erreurs", "Chyby"},
    {"Saving", "Speichern", "Sauvegarde", "Ukládání"},
    {"Programmings", "Programmierungen", "Programmations", "Programování"},
    {"Protocol", "Protokoll", "Protocole", "Protokol"},
});
static_assert(kChannels.size() == kLogChannelCount);

// In the order of LogViewText.
constexpr auto kTexts = std::to_array<Translations>({
    {"Replay a live-data log (Tools menu) to see it here.",
     "Geben Sie ein Live-Daten-Protokoll wieder (Menü Werkzeuge), um es hier zu sehen.",
     "Rejouez un journal des données en direct (menu Outillage) pour le voir ici.",
     "Přehrajte záznam živých dat (nabídka Pomůcky), aby se zobrazil zde."},
    {"The log holds none of the chosen channels.",
     "Das Protokoll enthält keinen der gewählten Kanäle.",
     "Le journal ne contient aucune des voies choisies.",
     "Záznam neobsahuje žádný z vybraných kanálů."},
    {"Time per band: {}", "Zeit je Bereich: {}", "Temps par tranche : {}", "Čas v pásmu: {}"},
});
static_assert(kTexts.size() == static_cast<std::size_t>(LogViewText::HistogramTitle) + 1);

constexpr auto kCaptions = std::to_array<CaptionRow>({
    {"TabSheetLog", Aspect::Caption, {"Log", "Protokoll", "Journal", "Záznam"}},
    {"ButtonLogWhole",
     Aspect::Caption,
     {"Whole ride", "Ganze Fahrt", "Tout le trajet", "Celá jízda"}},
    {"ButtonLogWhole",
     Aspect::ControlHint,
     {"Show the whole log again", "Wieder das ganze Protokoll zeigen",
      "Afficher de nouveau tout le journal", "Znovu zobrazit celý záznam"}},
    {"LabelLogHelp",
     Aspect::Caption,
     {"Click or drag: position   Wheel: zoom   Right drag: pan",
      "Klicken oder ziehen: Position   Rad: Zoom   Rechte Taste ziehen: verschieben",
      "Clic ou glisser : position   Molette : zoom   Glisser bouton droit : déplacer",
      "Klepnutí nebo tažení: pozice   Kolečko: zoom   Tažení pravým: posun"}},
    {"LogPlot",
     Aspect::ControlHint,
     {"The replayed log over time", "Das wiedergegebene Protokoll über der Zeit",
      "Le journal rejoué au fil du temps", "Přehrávaný záznam v čase"}},
    {"ComboBoxLogHistogram",
     Aspect::ControlHint,
     {"The channel of the histogram", "Der Kanal des Histogramms", "La voie de l'histogramme",
      "Kanál histogramu"}},
});

}  // namespace

std::string_view logChannelName(std::size_t column, Language language) {
    return translated(kChannels[column], language);
}

std::string_view logViewText(LogViewText text, Language language) {
    return translated(kTexts[static_cast<std::size_t>(text)], language);
}

std::span<const CaptionRow> logViewCaptions() {
    return kCaptions;
}

}  // namespace tz::texts
