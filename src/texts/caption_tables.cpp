#include "texts/caption_tables.h"

#include <array>

#include "params/image.h"

namespace tz::texts {
namespace {

constexpr CaptionRow kBanner{"LabelSpojeni",
                             Aspect::Caption,
                             {"No connection with PC", "Keine Verbindung zum PC",
                              "Pas de connection acec pc", "Není spojení s PC"}};

// The device commands: the same captions on the menu and on the toolbar.
constexpr Translations kReadCaption{"&Read", "&Lesen", "&Lire", "Čí&st"};
constexpr Translations kVerifyCaption{"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"};
constexpr Translations kProgramCaption{"&Program", "&Programmieren", "&Programer", "&Programovat"};

constexpr auto kMenuCaptions = std::to_array<CaptionRow>({
    {"MenuFile", Aspect::MenuCaption, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", Aspect::MenuCaption, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuOpen", Aspect::MenuCaption, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuOpenExeDir",
     Aspect::MenuCaption,
     {"Open from exe dir", "Öffnen aus exe dir", "Open from exe dir", "Otevřít z exe dir"}},
    {"MenuSave", Aspect::MenuCaption, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {"MenuSaveExeDir",
     Aspect::MenuCaption,
     {"Save to exe dir", "Speichern in exe dir", "Save to exe dir", "Uložit do exe dir"}},
    {"MenuPrint", Aspect::MenuCaption, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {"MenuPrintAll",
     Aspect::MenuCaption,
     {"Print all", "Drucken alles", "&Imprimer tout", "Tisk vše"}},
    {"MenuExit", Aspect::MenuCaption, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {"MenuCom", Aspect::MenuCaption, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {"MenuDevice", Aspect::MenuCaption, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead", Aspect::MenuCaption, kReadCaption},
    {"MenuVerify", Aspect::MenuCaption, kVerifyCaption},
    {"MenuProgram", Aspect::MenuCaption, kProgramCaption},
    {"MenuTools", Aspect::MenuCaption, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {"AdvanceMinus", Aspect::MenuCaption, {"Advance -", "Vorzündung -", "Advance -", "Předstih -"}},
    {"AdvancePlus", Aspect::MenuCaption, {"Advance +", "Vorzündung +", "Advance +", "Předstih +"}},
    {"MenuZpet", Aspect::MenuCaption, {"Undo", "Zurück", "Undo", "Zpět"}},
    {"MenuZnovu", Aspect::MenuCaption, {"Redo", "Wieder", "Redo", "Znovu"}},
    {"MenuInterpol",
     Aspect::MenuCaption,
     {"Interpolation", "Interpolation", "Interpolation", "Interpolace"}},
    {"MenuLanguage", Aspect::MenuCaption, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish", Aspect::MenuCaption, {"&English", "Englisch", "&Englais", "&Anglicky"}},
    {"MenuGerman", Aspect::MenuCaption, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {"MenuFrench", Aspect::MenuCaption, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {"MenuCzech", Aspect::MenuCaption, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {"MenuHelp", Aspect::MenuCaption, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {"MenuContens", Aspect::MenuCaption, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {"MenuAbout",
     Aspect::MenuCaption,
     {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
    {"MenuDesktopLook",
     Aspect::MenuCaption,
     {"Desktop style and colours", "Stil und Farben des Desktops", "Style et couleurs du bureau",
      "Styl a barvy plochy"}},
    {"ButtonRead", Aspect::Caption, kReadCaption},
    {"BitBtnVerify", Aspect::Caption, kVerifyCaption},
    {"BitBtnProgram", Aspect::Caption, kProgramCaption},
});

constexpr Translations kServo = sameInAll("Servo");
constexpr Translations kChannel1{"Channel 1", "Kanal 1", "Channel 1", "Kanál 1"};
constexpr Translations kChannel2{"Channel 2", "Kanal 2", "Channel 2", "Kanál 2"};
constexpr Translations kMaximumAdvance{"Maximum advance", "Maximale Vorzündung", "Maximum advance",
                                       "Maximální předstih"};
constexpr Translations kStartAdvance{"Start advance", "Startvorzündung", "Start advance",
                                     "Startovací předstih"};
constexpr Translations kAll{"All", "Alles", "Tout", "Vše"};

constexpr auto kPageCaptions = std::to_array<CaptionRow>({
    {"TabSheet_Inputs", Aspect::Caption, {"Inputs", "Eingänge", "Entrée", "Vstupy"}},
    {"TabSheetBike", Aspect::Caption, {"Bike", "Mottorad", "&Motocycle", "Motocykl"}},
    {"TabSheetAdvance",
     Aspect::Caption,
     {"Advance Map", "Vorzündung Karte", "&Avance carte", "Mapa předstihu"}},
    {"TabSheetServo", Aspect::Caption, kServo},
    {"GroupBoxPrivera", Aspect::Caption, kServo},
    {"LabelBike",
     Aspect::Caption,
     {"Motorbike type", "Motorradtyp", "&Motocycle type", "Typ motocyklu"}},
    {"LabelSynchro",
     Aspect::Caption,
     {"Synchronization method", "Synchronisierung Methode", "Synchronization method",
      "Způsob synchronizace"}},
    {"GroupBoxSpecial",
     Aspect::Caption,
     {"Specification of synchronization - Caution - For experienced user only!",
      "Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!",
      "Specification of synchronization - Caution - For experienced user only!",
      "Popis synchronizace - Pozor - pouze pro zkušené uživatele!"}},
    {"LabelPocPalcu",
     Aspect::Caption,
     {"Number of lobe at rotor", "Anzahl der Leitstücke am Rotor", "Number of lobe at rotor",
      "Počet výstupků na rotoru"}},
    {"LabelPocKanalu",
     Aspect::Caption,
     {"Number of outputs (coils)", "Anzahl der Ausgänge (Zündspulen)", "Number of outputs (coils)",
      "Počet výstupů (cívek)"}},
    {"GroupBoxPalec1", Aspect::Caption, kChannel1},
    {"GroupBoxPalec2", Aspect::Caption, kChannel2},
    {"LabelPalec1Zac", Aspect::Caption, kMaximumAdvance},
    {"LabelPalec2Zac", Aspect::Caption, kMaximumAdvance},
    {"LabelPalec1End", Aspect::Caption, kStartAdvance},
    {"LabelPalec2End", Aspect::Caption, kStartAdvance},
    {"LabelLobe", Aspect::Caption, {"Lobe", "Leitstück", "Lobe", "Výstupek"}},
    {"LabelHrana2", Aspect::Caption, {"2nd Edge", "2. Kante", "2nd Edge", "2. Hrana"}},
    {"LabelSnimac2", Aspect::Caption, {"2nd Pick-up", "2. Geber", "2nd Pick-up", "2. Snímač"}},
    {"LabelPocSynchro",
     Aspect::Caption,
     {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Revolutions without ignition",
      "Otáčky bez zápalu"}},
    {"CheckBoxZamenaPickup",
     Aspect::Caption,
     {"Pickups interchange (pin 9 a 20)", "Geber vertauschen (pin 9 a 20)",
      "Pickups interchange (pin 9 a 20)", "Záměna snimačů (pin 9 a 20)"}},
    {"CheckBoxNehlidaPalec",
     Aspect::Caption,
     {"No lobe lenght check", "Keine Prüfung der Leitstücklänge", "No lobe lenght check",
      "Nehlídat délku výstupku"}},
    {"CheckBoxCrossBlock",
     Aspect::Caption,
     {"Interlock input", "Verriegelungseingang", "Interlock input", "Blokovací vstup"}},
    {"CheckBoxPredPalec",
     Aspect::Caption,
     {"Spark posible before lobe", "Zündung vor dem Leitstück möglich", "Spark posible before lobe",
      "Zápal možný před výstupkem"}},
    {"CheckBoxSpecStart",
     Aspect::Caption,
     {"Lower advance by start", "Geringere Vorzündung beim Start", "Lower advance by start",
      "Nižší předstih při startu"}},
    {"LabelKompenz",
     Aspect::Caption,
     {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "}},
    {"GroupBoxRpm",
     Aspect::Caption,
     {"Tachometer output", "Drehzahlmesserausgang", "Tachometer output", "Výstup otáčkoměru"}},
    {"LabelRpmPulsu",
     Aspect::Caption,
     {"Pulses per revolution", "Impulse pro Umdrehung", "Pulses per revolution",
      "Impulzů na otáčku"}},
    {"LabelRpmKorekce",
     Aspect::Caption,
     {"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}},
    {"LabelServoHyster",
     Aspect::Caption,
     {"Servo Hysteresis [mV]", "Servo Hysteresis [mV]", "Servo Hysteresis [mV]",
      "Hystereze serva [mV]"}},
    {"CheckBoxPrivEnable",
     Aspect::Caption,
     {"Servo enable", "Servo ein", "Servo enable", "Servo zapnuto"}},
    {"CheckBoxServoAll", Aspect::Caption, kAll},
    {"CheckBoxProgHned",
     Aspect::Caption,
     {"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification",
      "Programování po změně"}},
    {"LabelOmez1",
     Aspect::Caption,
     {"Start limiter [rpm]", "Startbegrenzer [U/min]", "Start limitateur [rpm]",
      "Startovací omezovač [ot/min]"}},
    {"LabelOmez2",
     Aspect::Caption,
     {"Limiter [rpm]", "Drehzahlbegrenzer [U/min]", "Limitateur de régime [rpm]",
      "Omezovač otáček [ot/min]"}},
    {"LabelClutchTime",
     Aspect::Caption,
     {"Clutch master time [ms]", "Schaltautomat Zeit [ms]", "Clutch master time [ms]",
      "Clutch master čas [ms]"}},
    {"LabelClutchPause",
     Aspect::Caption,
     {"Clutch master pause [ms]", "Schaltautomat Pause [ms]", "Clutch master pause [ms]",
      "Clutch master pauza [ms]"}},
    {"LabelRetard",
     Aspect::Caption,
     {"Retard [°]", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {"LabelBaseAdv",
     Aspect::Caption,
     {"Base advance [°]", "Grundvorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {"LabelKorekceAdv",
     Aspect::Caption,
     {"Correction for cyl. 1,2", "Korrektion für Zyl. 1,2", "Correction for cyl. 1,2",
      "Korekce pro válec 1,2"}},
});

constexpr auto kComboItems = std::to_array<CaptionRow>({
    {"ComboBoxBike",
     Aspect::ComboItem,
     {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitstück, 1 oder 2 Geber)",
      "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"},
     0},
    {"ComboBoxBike", Aspect::ComboItem, sameInAll("Honda NSR 250 MC18 -"), 4},
    {"ComboBoxBike", Aspect::ComboItem, sameInAll("Honda CRM 250"), 5},
    {"ComboBoxBike",
     Aspect::ComboItem,
     {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"},
     6},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 lobe, 1 or 2 pick-up",
      "1 výstupek, 1 nebo 2 snimače"},
     0},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Short gap between lobes (inserted lobe)",
      "Kurz Abstand zwischen Leitstücken (eingeschiebe Leitstück)",
      "Short gap between lobes (inserted lobe)", "Krátká mezera mezi výstupky (vsunutý výstupek)"},
     1},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Wide lobe", "Längere Leitstück", "Wide lobe", "Široký výstupek"},
     2},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Long gap between lobes (missing lobe)",
      "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)",
      "Long gap between lobes (missing lobe)", "Dlouhá mezera mezi výstupky (vynechaný výstupek)"},
     3},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"2 pick-ups, missing lobe", "2 Geber, ausgelassene Leitstück", "2 pick-ups, missing lobe",
      "2 snímače vynechané výstupky"},
     4},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"2 Short gaps between lobes (inserted lobe)",
      "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)",
      "2 short gaps between lobes (inserted lobe)",
      "2 krátké mezery mezi výstupky (vsunutý výstupek)"},
     5},
    {"ComboBoxSynchro", Aspect::ComboItem, sameInAll("Honda NSR 250 MC18 -"), 6},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Cam (CMPS)", "Steuernocken (CMPS)", "Cam (CMPS)", "Vačka (CMPS)"},
     7},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Long gap between lobes - more lobes (48-2)",
      "Lang Abstand zwischen Leitstücken - mehr Leitstücke (48-2)",
      "Long gap between lobes - more lobes (48-2)",
      "Dlouhá mezera mezi výstupky - více výstupků (48-2)"},
     9},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Special for more pickups", "Spezial für mehr Geber", "Special for more pickups",
      "speciál pro více snimačů"},
     10},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Inserted lobe - kick start", "Eingeschiebe Leitstück - Kickstarter",
      "Inserted lobe - kick start", "Vsunutý výstupek - kick start - start našlápnutím"},
     11},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Honda Cam (CMPS)", "Honda Steuernocken (CMPS)", "Honda Cam (CMPS)", "Vačka Honda (CMPS)"},
     12},
    {"ComboBoxSynchro",
     Aspect::ComboItem,
     {"Long gap between lobes + Cam (CMPS)",
      "Lang Abstand zwischen Leitstücken + Steuernocken(CMPS)",
      "Long gap between lobes + Cam (CMPS)", "Dlouhá mezera mezi výstupky + Vačka (CMPS)"},
     13},
    {"ComboBoxSynchro", Aspect::ComboItem, sameInAll("Honda CRM 250"), 14},
    {"ComboBoxNasobekPalcu",
     Aspect::ComboItem,
     {"1 ignition per revolution", "1 Zündung pro Umdrehung", "1 ignition per revolution",
      "1 zápal za otáčku"},
     0},
    {"ComboBoxNasobekPalcu",
     Aspect::ComboItem,
     {"2 ignitions per revolution", "2 Zündungen pro Umdrehung", "2 ignitions per revolution",
      "2 zápaly za otáčku"},
     1},
    {"ComboBoxNasobekPalcu",
     Aspect::ComboItem,
     {"3 ignitions per revolution", "3 Zündungen pro Umdrehung", "3 ignitions per revolution",
      "3 zápaly za otáčku"},
     2},
    {"ComboBoxNasobekPalcu",
     Aspect::ComboItem,
     {"1 ignition per 2 revolutions (camshaft)", "1 Zündung pro 2 Umdrehungen (Nockenwelle)",
      "1 ignition per 2 revolutions (camshaft)", "1 zápal za 2 otáčky (vačkový hřídel)"},
     3},
});

constexpr auto kPickupPolarityCaptions = std::to_array<CaptionRow>({
    {"RadioGroupPickup1Polarita",
     Aspect::Caption,
     {"Polarity of pick-up 1", "Geberpolarität 1", "Polarity of pick-up 1", "Polarita snímače 1"}},
    {"RadioGroupPickup2Polarita",
     Aspect::Caption,
     {"Polarity of pick-up 2", "Geberpolarität 2", "Polarity of pick-up 2", "Polarita snímače 2"}},
});

constexpr Translations kTwoPolarities{"Positive\nNegative", "Positiv\nNegativ", "Positif\nNégatif",
                                      "Kladná\nZáporná"};
constexpr Translations kThreePolarities{
    "Positive\nNegative\nSelfsearch", "Positiv\nNegativ\nAutomatisch",
    "Positif\nNégatif\nAutomatique", "Kladná\nZáporná\nSamohledání"};

// Hints shared by a toolbar button and its menu item.
constexpr Translations kOpenHint{"Open file with parametrs", "Kenndatendatei öffnen",
                                 "Ouvrir fichier avec paramètres", "Otevření souboru s parametry"};
constexpr Translations kSaveHint{"Save parametrs to file", "Kenndaten in Datei speichern",
                                 "Sauvegarder les paramètres", "Uložení parametrů do souboru"};
constexpr Translations kPrintHint{"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres",
                                  "Tisk parametrů"};
constexpr Translations kProgramHint{
    "Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
    "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"};
constexpr Translations kVerifyHint{
    "Compare set parametrs  with parametrs of ignition",
    "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
    "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"};
constexpr Translations kReadHint{"Reading parametrs from ignition", "Kenndaten aus Zündung lesen",
                                 "Lire paramètres ECU", "Čtení parametrů ze zapalování"};

constexpr auto kHints = std::to_array<CaptionRow>({
    {"LabelRpmAdv",
     Aspect::ControlHint,
     {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
      "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    {"LabelVerze1",
     Aspect::ControlHint,
     {"Version of program in ignition", "Programmverion der Zündung",
      "Variantes de courbe d´avance", "Verze programu v zapalování"}},
    {"LabelVerze2",
     Aspect::ControlHint,
     {"Date of program in ignition", "Datum des Programm in der Zündung",
      "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {"LabelVerze3",
     Aspect::ControlHint,
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {"SpeedButtonOpen", Aspect::ControlHint, kOpenHint},
    {"MenuOpen", Aspect::MenuHint, kOpenHint},
    {"SpeedButton6",
     Aspect::ControlHint,
     {"Set default parametrs", "Neue Kenndatendatei erstellen",
      "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {"MenuNew",
     Aspect::MenuHint,
     {"Set default parameters ", "Neue Kenndatendatei erstellen", "Céer nouveaux fichier ",
      "Nastavení výchozích parametrů"}},
    {"SpeedButtonSave", Aspect::ControlHint, kSaveHint},
    {"MenuSave", Aspect::MenuHint, kSaveHint},
    {"SpeedButtonPrint", Aspect::ControlHint, kPrintHint},
    {"MenuPrint", Aspect::MenuHint, kPrintHint},
    {"BitBtnProgram", Aspect::ControlHint, kProgramHint},
    {"MenuProgram", Aspect::MenuHint, kProgramHint},
    {"BitBtnVerify", Aspect::ControlHint, kVerifyHint},
    {"MenuVerify", Aspect::MenuHint, kVerifyHint},
    {"ButtonRead", Aspect::ControlHint, kReadHint},
    {"MenuRead", Aspect::MenuHint, kReadHint},
    {"CheckBoxProgHned",
     Aspect::ControlHint,
     {"Programing at once after change", "Programmmieren sofort nach dem änderung",
      "Programation instantanée des modifications", "Programování ihned po změně"}},
    {"MenuDesktopLook",
     Aspect::MenuHint,
     {"Show the window in the desktop's style, colours and font instead of its own",
      "Das Fenster im Stil, in den Farben und der Schrift des Desktops zeigen statt in seinen "
      "eigenen",
      "Afficher la fenêtre dans le style, les couleurs et la police du bureau au lieu des siens",
      "Zobrazit okno ve stylu, barvách a písmu plochy místo vlastních"}},
    {"MenuExit",
     Aspect::MenuHint,
     {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {"MenuCom",
     Aspect::MenuHint,
     {"Set number of com", "Com-Anschluß festlegen", "Installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
    {"MenuLanguage",
     Aspect::MenuHint,
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "Installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {"MenuEnglish", Aspect::MenuHint, sameInAll("Set English menu")},
    {"MenuGerman", Aspect::MenuHint, sameInAll("Deutsches Menü")},
    {"MenuFrench", Aspect::MenuHint, sameInAll("Installer en Francais ")},
    {"MenuCzech", Aspect::MenuHint, sameInAll("Nastavit české menu")},
});

constexpr auto kNotConnectedEntryCaptions = std::to_array<EntryCaptionRow>({
    {"LabelBlocking1", Msg::MsgMotorOff, " - ---"},
    {"LabelClutchMon", Msg::MsgClutchMaster, " - ---"},
    {"LabelMonInput1In", Msg::MsgInput, " 1: ---"},
    {"LabelMonInput2In", Msg::MsgInput, " 2: ---"},
    {"LabelMonStartLimiterOut", Msg::MsgStartLimiter, ": ---"},
    {"LabelMonRetard", Msg::MsgRetard, ": ---"},
    {"LabelKillSwitch", Msg::MsgKillSwitch, ": ---"},
    {"LabelMonPOut1", Msg::MsgSpecialOut, " 1 - ---"},
    {"LabelMonPOut2", Msg::MsgSpecialOut, " 2 - ---"},
    {"LabelMonPOut3", Msg::MsgSpecialOut, " 3 - ---"},
});

constexpr auto kNotConnectedCaptions = std::to_array<CaptionRow>({
    {"ButtonTestIgn1", Aspect::Caption, {"Cylinder 1", "Zylinder 1", "Cylinder 1", "Válec 1"}},
    {"ButtonTestIgn2", Aspect::Caption, {"Cylinder 2", "Zylinder 2", "Cylinder 2", "Válec 2"}},
});

constexpr auto kInputGroups = std::to_array<CaptionRow>({
    {"RadioGroupInput1",
     Aspect::Caption,
     {"multifunction input 1 (pin 19)", "Multifunktionseingang 1 (pin 19)",
      "Entrée multifonction 1 (pin 19)", "Multifunkční vstup 1 (pin 19)"}},
    {"RadioGroupInput1",
     Aspect::RadioItems,
     {"Off\nKill switch\nClutch master\nRetard\nStart Limiter",
      "Aus\nNot Aus\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nInterrupteur de sécurité\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nKill switch\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
    {"RadioGroupInput2",
     Aspect::Caption,
     {"multifunction input 2 (pin 8)", "Multifunktionseingang 2 (pin 8)",
      "entrée multifonction 2 (pin 8)", "Multifunkční vstup 2 (pin 8)"}},
    {"RadioGroupInput2",
     Aspect::RadioItems,
     {"Off\nBlocking\nClutch master\nRetard\nStart Limiter",
      "Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nBlocage\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
});

constexpr auto kMessageFillPlaceholders = std::to_array<EntryCaptionRow>({
    {"LabelAdvance1", Msg::MsgAdvance, " 1 = --- [°]"},
    {"LabelAdvance2", Msg::MsgAdvance, " 2 = --- [°]"},
    {"LabelPocetProgramovani", Msg::MsgProgramCount, "---"},
    {"LabelMonSnimac1", Msg::MsgPickupCkps, " 1 = ---"},
    {"LabelMonSnimac2", Msg::MsgPickupCkps, " 2 = ---"},
    {"LabelPriveraPoz", Msg::MsgServoDesired, " ---"},
    {"LabelPriveraMer", Msg::MsgServoMeasured, " ---"},
});

constexpr auto kGraphCheckBoxCaptions = std::to_array<CaptionRow>({
    {"CheckBoxGraphFill", Aspect::Caption, {"Fill", "Fill", "Fill", "Skryté hrany"}},
    {"CheckBoxGraphHeightColors",
     Aspect::Caption,
     {"Height colors", "Height colors", "Height colors", "Výškové barvy"}},
});

}  // namespace

const CaptionRow& bannerCaption() {
    return kBanner;
}
std::span<const CaptionRow> menuCaptions() {
    return kMenuCaptions;
}
std::span<const CaptionRow> pageCaptions() {
    return kPageCaptions;
}
std::span<const CaptionRow> comboItems() {
    return kComboItems;
}
std::span<const CaptionRow> pickupPolarityCaptions() {
    return kPickupPolarityCaptions;
}

const Translations& pickupPolarityItems(std::uint8_t syncMethod) {
    return syncMethod == kSyncTwoPolarities ? kTwoPolarities : kThreePolarities;
}

const Translations& ignAllCaption() {
    return kAll;
}
std::span<const CaptionRow> hints() {
    return kHints;
}
std::span<const EntryCaptionRow> notConnectedEntryCaptions() {
    return kNotConnectedEntryCaptions;
}
std::span<const CaptionRow> notConnectedCaptions() {
    return kNotConnectedCaptions;
}
std::span<const CaptionRow> inputGroups() {
    return kInputGroups;
}
std::span<const EntryCaptionRow> messageFillPlaceholders() {
    return kMessageFillPlaceholders;
}
std::span<const CaptionRow> graphCheckBoxCaptions() {
    return kGraphCheckBoxCaptions;
}

}  // namespace tz::texts
