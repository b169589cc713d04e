#include "texts/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "utf8.h"

namespace tz::texts {
namespace {

using testing::characterCount;

struct TextCase {
    Msg id;
    Language language;
    std::string expected;
};

TEST(MessageText, SampleEntriesAreExact) {
    const TextCase cases[] = {
        {Msg::MsgWindowTitle, Language::Czech, "  TZ_ARKO5"},
        {Msg::MsgManualFile, Language::French, "manual_flintar_tz_arko5_fr.pdf"},
        {Msg::MsgProgramError, Language::English, "Program error!"},
        {Msg::MsgProgramError, Language::German, "Programmier Fehler"},
        {Msg::MsgVerifyProgress, Language::French, "Vérifier"},
        {Msg::MsgProgramCount, Language::English, "Number of Programing= "},
        {Msg::MsgProgramCount, Language::German, "Programmierungsanzahl= "},
        {Msg::MsgProgramCount, Language::French, "Nombre de programmations= "},
        {Msg::MsgProgramCount, Language::Czech, "Počet programování= "},
        {Msg::MsgMotorOff, Language::German, "Motor off"},
        {Msg::MsgPositivePolarity, Language::French, ", positive polarity"},
        {Msg::MsgComOpenError, Language::German, "Falscher COM-Anschlußes!"},
        {Msg::MsgComOpenError, Language::Czech, "Chyba při otevírání portu Com!"},
        {Msg::MsgOpenFileError, Language::English, "Open file error!"},
        {Msg::MsgOpenFileError, Language::German, "Fehler beim öffnen der Datei!"},
        {Msg::MsgOpenFileError, Language::French, "Erreur ouvertur fichier!"},
        {Msg::MsgOpenFileError, Language::Czech, "Chyba při otevírání souboru!"},
        {Msg::MsgIgnVersionMismatch, Language::English, "Unmatched version of *.ign file!"},
        {Msg::MsgIgnVersionMismatch, Language::German, "Datendatei *.ign ist nicht kompatiebel!"},
        {Msg::MsgIgnVersionMismatch, Language::French,
         "Programme du fichier non compatible avec programme PC!"},
        {Msg::MsgIgnVersionMismatch, Language::Czech, "Neshodná verze souboru *.ign!"},
        {Msg::MsgPrintDateTime, Language::English, "Date and time of printing:  "},
        {Msg::MsgPrintDateTime, Language::German, "Zeitpunkt des Ausdruckes   "},
        {Msg::MsgPrintDateTime, Language::French, "Date et heur de l´imprimé:   "},
        {Msg::MsgPickupSystemError, Language::English,
         "Pick up system error" + std::string(20, ' ')},
        {Msg::MsgPickupSystemError, Language::German, "Gebersystemehler" + std::string(24, ' ')},
        {Msg::MsgPickupSystemError, Language::French,
         "Pick up system error" + std::string(20, ' ')},
        {Msg::MsgPickupSystemError, Language::Czech,
         "Chyba v snímacím systému" + std::string(16, ' ')},
        {Msg::MsgRunning, Language::French, " fonctionne"},
        {Msg::MsgClutchMaster, Language::Czech, "Clutch master"},
        {Msg::MsgKillSwitch, Language::Czech, "Kill switch"},
        {Msg::MsgGearShiftLight, Language::French, "Retard à l´allumage"},
        {Msg::MsgPowerJet, Language::German, "Power jet"},
        {Msg::MsgSpecialOut, Language::Czech, "Specielní výstup"},
        {Msg::MsgPolarityError, Language::German, ", Verpolung"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(messageText(c.id, c.language), c.expected)
            << "entry " << static_cast<int>(c.id) << ", language " << static_cast<int>(c.language);
    }
}

TEST(MessageText, PickupSystemErrorIsFortyCharactersInEveryLanguage) {
    for (Language language : kAllLanguages) {
        EXPECT_EQ(characterCount(messageText(Msg::MsgPickupSystemError, language)), 40U)
            << static_cast<int>(language);
    }
}

TEST(MessageText, ManualOpenErrorNamesTheManualOfItsLanguage) {
    EXPECT_EQ(messageText(Msg::MsgManualOpenError, Language::English),
              "Error by opening file manual_flintar_tz_arko5_en.pdf !");
    EXPECT_EQ(messageText(Msg::MsgManualOpenError, Language::German),
              "Fehler beim öffnen der Datei manual_flintar_tz_arko5_de.pdf !");
    EXPECT_EQ(messageText(Msg::MsgManualOpenError, Language::French),
              "Erreur à l´ouvertur du Fichier manual_flintar_tz_arko5_fr.pdf !");
    EXPECT_EQ(messageText(Msg::MsgManualOpenError, Language::Czech),
              "Chyba při otevírání souboru manual_flintar_tz_arko5_cz.pdf !");
}

TEST(MessageText, OlderIgnFileIsALineAnEmptyLineAndTwoLines) {
    const std::string english =
        "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to "
        "default value.\nThey are parameters which are not in older version or have another "
        "structure.";
    EXPECT_EQ(messageText(Msg::MsgOlderIgnFile, Language::English), english);
    EXPECT_EQ(messageText(Msg::MsgOlderIgnFile, Language::French), english);
    EXPECT_EQ(messageText(Msg::MsgOlderIgnFile, Language::German),
              "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert "
              "oder werden implizit Wert gestellt.\nSie sind die Kenndaten, die in älter Version "
              "nicht sind oder andere Struktur haben");
    EXPECT_EQ(messageText(Msg::MsgOlderIgnFile, Language::Czech),
              "Starší verze souboru *.ign!\n\nNěkteré parametry budou nezměněny nebo nataveny "
              "na základní hodnotu.\nJsou to parametry, které v této verzi nebyly obsaženy nebo "
              "měly jinou strukturu.");
}

class MessageCatalogueTest : public ::testing::Test {
  protected:
    static Msg msg(std::size_t i) { return static_cast<Msg>(i); }

    MessageCatalogue catalogue;
};

TEST_F(MessageCatalogueTest, EachFillWritesOnlyItsOwnEntries) {
    for (std::size_t i = 0; i < kMsgCount; ++i) EXPECT_TRUE(catalogue[msg(i)].empty()) << i;

    catalogue.fillMessages(Language::German);
    for (std::size_t i = 0; i < kMsgCount; ++i) {
        EXPECT_EQ(catalogue[msg(i)].empty(), filledBy(msg(i)) == FilledBy::Captions) << i;
    }
    EXPECT_EQ(catalogue[Msg::MsgComOpenError], "Falscher COM-Anschlußes!");
    EXPECT_TRUE(catalogue[Msg::MsgWindowTitle].empty());

    catalogue.fillCaptionEntries(Language::German);
    EXPECT_EQ(catalogue[Msg::MsgWindowTitle], "  TZ_ARKO5");
    EXPECT_EQ(catalogue[Msg::MsgClutchMaster], "Schaltautomat");
}

TEST_F(MessageCatalogueTest, BothFillsLeaveEveryEntryInTheLanguage) {
    for (Language language : kAllLanguages) {
        catalogue.fillMessages(language);
        catalogue.fillCaptionEntries(language);
        for (std::size_t i = 0; i < kMsgCount; ++i) {
            EXPECT_FALSE(catalogue[msg(i)].empty()) << i;
            EXPECT_EQ(catalogue[msg(i)], messageText(msg(i), language)) << i;
        }
    }
}

TEST_F(MessageCatalogueTest, SwitchingBackRestoresEveryEntry) {
    MessageCatalogue english;
    english.fillMessages(Language::English);
    english.fillCaptionEntries(Language::English);

    catalogue.fillMessages(Language::Czech);
    catalogue.fillCaptionEntries(Language::Czech);
    catalogue.fillMessages(Language::English);
    catalogue.fillCaptionEntries(Language::English);
    for (std::size_t i = 0; i < kMsgCount; ++i) EXPECT_EQ(catalogue[msg(i)], english[msg(i)]) << i;
}

}  // namespace
}  // namespace tz::texts
