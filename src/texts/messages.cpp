#include "texts/messages.h"

#include <string_view>

namespace tz::texts {
namespace {

struct Entry {
    Msg id;
    FilledBy owner;
    // Empty for the composed entries, which are joined from the pieces below.
    Translations text;
};

constexpr std::array<Entry, kMsgCount> kEntries{{
    {Msg::MsgWindowTitle, FilledBy::Captions, sameInAll("  TZ_ARKO5")},
    {Msg::MsgManualFile,
     FilledBy::Messages,
     {"manual_flintar_tz_arko5_en.pdf", "manual_flintar_tz_arko5_de.pdf",
      "manual_flintar_tz_arko5_fr.pdf", "manual_flintar_tz_arko5_cz.pdf"}},
    {Msg::MsgProgramError,
     FilledBy::Messages,
     {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {Msg::MsgVerifyError,
     FilledBy::Messages,
     {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {Msg::MsgReadError,
     FilledBy::Messages,
     {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {Msg::MsgProgramDevice,
     FilledBy::Messages,
     {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {Msg::MsgVerifyProgress,
     FilledBy::Messages,
     {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {Msg::MsgReadProgress, FilledBy::Messages, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {Msg::MsgSaving, FilledBy::Messages, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {Msg::MsgVersionMismatch,
     FilledBy::Messages,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {Msg::MsgAdvance, FilledBy::Messages, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {Msg::MsgProgramCount,
     FilledBy::Messages,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {Msg::MsgMotorOff, FilledBy::Captions, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {Msg::MsgYes, FilledBy::Messages, {"YES", "JA", "Oui", "ANO"}},
    {Msg::MsgNo, FilledBy::Messages, {"NO", "NEIN", "Non", "NE"}},
    {Msg::MsgPositivePolarity,
     FilledBy::Messages,
     {", positive polarity", ", positive Polarität", ", positive polarity", ", kladná polarita"}},
    {Msg::MsgNegativePolarity,
     FilledBy::Messages,
     {", negative polarity", ", negative Polarität", ", negative polarity", ", záporná polarita"}},
    {Msg::MsgComOpenError,
     FilledBy::Messages,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {Msg::MsgOpenFileError,
     FilledBy::Messages,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {Msg::MsgAskDefaults,
     FilledBy::Messages,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {Msg::MsgOlderIgnFile, FilledBy::Messages, {}},
    {Msg::MsgIgnVersionMismatch,
     FilledBy::Messages,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {Msg::MsgPrintDateTime,
     FilledBy::Messages,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {Msg::MsgManualOpenError, FilledBy::Messages, {}},
    {Msg::MsgPickupSystemError,
     FilledBy::Messages,
     {"Pick up system error                    ", "Gebersystemehler                        ",
      "Pick up system error                    ", "Chyba v snímacím systému                "}},
    {Msg::MsgPickupCkps,
     FilledBy::Messages,
     {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (klika)"}},
    {Msg::MsgRunning, FilledBy::Messages, {"is running", "läuft", " fonctionne", "pracuje"}},
    {Msg::MsgNoSignal,
     FilledBy::Messages,
     {"no signal", "kein Signal", "pas de signal", "bez signálu"}},
    {Msg::MsgServoMeasured,
     FilledBy::Messages,
     {"Servo measured=", "Servo Gemessene=", "Servo measured=", "Servo měřené="}},
    {Msg::MsgServoDesired,
     FilledBy::Messages,
     {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="}},
    {Msg::MsgClutchMaster,
     FilledBy::Captions,
     {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {Msg::MsgInput, FilledBy::Messages, {"Input", "Eingang", "Entrée", "Vstup"}},
    {Msg::MsgStartLimiter,
     FilledBy::Captions,
     {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {Msg::MsgRetard,
     FilledBy::Captions,
     {"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {Msg::MsgKillSwitch,
     FilledBy::Captions,
     {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {Msg::MsgInputOpen, FilledBy::Messages, {"Open", "offen", "Open", "Otevřený"}},
    {Msg::MsgInputGrounded, FilledBy::Messages, {"grounded", "zugrund", "grounded", "uzeměn"}},
    {Msg::MsgFuelPump,
     FilledBy::Captions,
     {"Fuel pump", "Kraftstoffpumpe", "Fuel pump", "Palivová pumpa"}},
    {Msg::MsgGearShiftLight,
     FilledBy::Captions,
     {"Gear shift light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {Msg::MsgPowerJet, FilledBy::Captions, sameInAll("Power jet")},
    {Msg::MsgSpecialOut,
     FilledBy::Captions,
     {"Special out", "Sonderausgang", "Special out", "Specielní výstup"}},
    {Msg::MsgPolarityError,
     FilledBy::Captions,
     {", polarity error", ", Verpolung", ", polarity error", ", chyba polarity"}},
    {Msg::MsgPortBusy,
     FilledBy::Messages,
     {"The port is in use by another program: ",
      "Der Anschluss wird von einem anderen Programm benutzt: ",
      "Le port est utilisé par un autre programme : ", "Port používá jiný program: "}},
    {Msg::MsgNoDocumentViewer,
     FilledBy::Messages,
     {"No program could be started to show the manual: ",
      "Es konnte kein Programm zum Anzeigen des Handbuchs gestartet werden: ",
      "Aucun programme n'a pu être lancé pour afficher le manuel : ",
      "Nepodařilo se spustit žádný program pro zobrazení návodu: "}},
    {Msg::MsgFolderNotMade,
     FilledBy::Messages,
     {"The settings cannot be saved: this folder could not be made: ",
      "Die Einstellungen können nicht gespeichert werden, dieser Ordner ließ sich nicht anlegen: ",
      "Les réglages ne peuvent pas être enregistrés : ce dossier n'a pas pu être créé : ",
      "Nastavení nelze uložit, tuto složku se nepodařilo vytvořit: "}},
    {Msg::MsgSettingsNotSaved,
     FilledBy::Messages,
     {"The settings could not be saved for the next start.",
      "Die Einstellungen konnten für den nächsten Start nicht gespeichert werden.",
      "Les réglages n'ont pas pu être enregistrés pour le prochain démarrage.",
      "Nastavení se nepodařilo uložit pro příští spuštění."}},
}};

constexpr bool entriesInCatalogueOrder() {
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        if (static_cast<std::size_t>(kEntries[i].id) != i) return false;
    }
    return true;
}
static_assert(entriesInCatalogueOrder());

// The manual error names the manual file of the same language between these
// words and " !".
constexpr Translations kManualOpenErrorLead{
    "Error by opening file ", "Fehler beim öffnen der Datei ", "Erreur à l´ouvertur du Fichier ",
    "Chyba při otevírání souboru "};

// The older-file notice: a first line and an empty line, then two lines.
constexpr std::array<std::array<std::string_view, 3>, kLanguageCount> kOlderIgnFilePieces{{
    {"Older version of *.ign file!\n\n",
     "Some parameters won't be changed or will be set to default value.\n",
     "They are parameters which are not in older version or have another structure."},
    {"Älter Version von Datendatei *.ign!\n\n",
     "Einige Kenndaten werden nicht geändert oder werden implizit Wert gestellt.\n",
     "Sie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur haben"},
    {"Older version of *.ign file!\n\n",
     "Some parameters won't be changed or will be set to default value.\n",
     "They are parameters which are not in older version or have another structure."},
    {"Starší verze souboru *.ign!\n\n",
     "Některé parametry budou nezměněny nebo nataveny na základní hodnotu.\n",
     "Jsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu."},
}};

const Entry& entry(Msg id) {
    return kEntries[static_cast<std::size_t>(id)];
}

}  // namespace

FilledBy filledBy(Msg id) {
    return entry(id).owner;
}

std::string messageText(Msg id, Language language) {
    switch (id) {
        case Msg::MsgManualOpenError: {
            std::string text(translated(kManualOpenErrorLead, language));
            text += translated(entry(Msg::MsgManualFile).text, language);
            text += " !";
            return text;
        }
        case Msg::MsgOlderIgnFile: {
            std::string text;
            for (std::string_view piece : kOlderIgnFilePieces[languageIndex(language)]) {
                text += piece;
            }
            return text;
        }
        default:
            return std::string(translated(entry(id).text, language));
    }
}

void MessageCatalogue::fillMessages(Language language) {
    fill(FilledBy::Messages, language);
}

void MessageCatalogue::fillCaptionEntries(Language language) {
    fill(FilledBy::Captions, language);
}

// Entries are written in catalogue order, so the manual file is in place
// before the manual error that names it.
void MessageCatalogue::fill(FilledBy owner, Language language) {
    for (const Entry& e : kEntries) {
        if (e.owner == owner) texts_[static_cast<std::size_t>(e.id)] = messageText(e.id, language);
    }
}

}  // namespace tz::texts
