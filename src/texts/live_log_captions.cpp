#include "texts/live_log_captions.h"

#include <array>

namespace tz::texts {

namespace {

constexpr auto kLiveLogCaptions = std::to_array<CaptionRow>({
    {"MenuRecordLive",
     Aspect::MenuCaption,
     {"&Record live data...", "Live-Daten auf&zeichnen...", "&Enregistrer les données en direct...",
      "Nahrávat živá &data..."}},
    {"MenuRecordLive",
     Aspect::MenuHint,
     {"Write the unit's live values into a CSV file",
      "Die Live-Werte der Zündung in eine CSV-Datei schreiben",
      "Écrire les valeurs en direct de l'allumage dans un fichier CSV",
      "Zapisovat živé hodnoty zapalování do souboru CSV"}},
    {"MenuStopRecording",
     Aspect::MenuCaption,
     {"Stop rec&ording", "Aufzeichnung &beenden", "Arrêter l'enre&gistrement",
      "&Ukončit nahrávání"}},
    {"MenuStopRecording",
     Aspect::MenuHint,
     {"Stop writing the live-data log", "Das Schreiben des Live-Daten-Protokolls beenden",
      "Arrêter l'écriture du journal des données en direct", "Ukončit zápis záznamu živých dat"}},
    {"MenuReplayLive",
     Aspect::MenuCaption,
     {"Re&play live data...", "Live-Daten &wiedergeben...", "&Rejouer des données enregistrées...",
      "Přehrát &záznam živých dat..."}},
    {"MenuReplayLive",
     Aspect::MenuHint,
     {"Show a recorded live-data log as if the unit were connected",
      "Ein aufgezeichnetes Live-Daten-Protokoll anzeigen, als wäre die Zündung angeschlossen",
      "Afficher un journal enregistré comme si l'allumage était connecté",
      "Zobrazit nahraný záznam živých dat, jako by bylo zapalování připojeno"}},
    {"MenuCellTime",
     Aspect::MenuCaption,
     {"&Time per map cell", "Zeit pro &Kennfeldzelle", "&Temps par case de la carte",
      "Čas v &buňkách mapy"}},
    {"MenuCellTime",
     Aspect::MenuHint,
     {"Shade the map cells by the time the engine spent in them",
      "Kennfeldzellen nach der Zeit schattieren, die der Motor in ihnen verbracht hat",
      "Colorer les cases de la carte selon le temps que le moteur y a passé",
      "Podbarvit buňky mapy podle času, který v nich motor strávil"}},
    {"MenuCellTimeReset",
     Aspect::MenuCaption,
     {"Reset time per map ce&ll", "Zeit pro Kennfeldzelle zu&rücksetzen",
      "Remettre à &zéro le temps par case", "&Vynulovat čas v buňkách"}},
    {"MenuCellTimeReset",
     Aspect::MenuHint,
     {"Start the time per map cell again from zero",
      "Die Zeit pro Kennfeldzelle wieder bei null beginnen",
      "Recommencer le temps par case à partir de zéro", "Začít čas v buňkách mapy znovu od nuly"}},
    {"GroupBoxReplay", Aspect::Caption, {"Replay", "Wiedergabe", "Relecture", "Přehrávání"}},
    {"ButtonReplayPlay",
     Aspect::ControlHint,
     {"Play or pause the replay", "Wiedergabe starten oder anhalten",
      "Lancer ou suspendre la relecture", "Spustit nebo pozastavit přehrávání"}},
    {"ComboBoxReplaySpeed",
     Aspect::ControlHint,
     {"Replay speed", "Wiedergabegeschwindigkeit", "Vitesse de relecture", "Rychlost přehrávání"}},
    {"TrackBarReplay",
     Aspect::ControlHint,
     {"Position in the log", "Position im Protokoll", "Position dans le journal",
      "Pozice v záznamu"}},
    {"CheckBoxReplayLoop", Aspect::Caption, {"Loop", "Endlos", "En boucle", "Opakovat"}},
    {"ButtonReplayStop",
     Aspect::Caption,
     {"Stop replay", "Wiedergabe beenden", "Arrêter la relecture", "Ukončit přehrávání"}},
});

}  // namespace

std::span<const CaptionRow> liveLogCaptions() {
    return kLiveLogCaptions;
}

}  // namespace tz::texts
