#include "texts/unit_state_texts.h"

#include <array>

namespace tz::texts {
namespace {

constexpr std::size_t kTextCount = static_cast<std::size_t>(UnitStateText::Cancel) + 1;

// In the order of UnitStateText.
constexpr std::array<Translations, kTextCount> kTexts{{
    {"Same as the unit", "Wie in der Zündung", "Identique à l'allumage", "Shodné se zapalováním"},
    {"Differs from the unit: %1", "Abweichend von der Zündung: %1", "Diffère de l'allumage : %1",
     "Liší se od zapalování: %1"},
    {"Unit not known", "Zündung unbekannt", "Allumage inconnu", "Zapalování neznámé"},
    {"The window's settings against what the unit holds. Click to compare with the unit.",
     "Die Einstellungen des Fensters gegenüber dem Inhalt der Zündung. Klicken, um mit der "
     "Zündung zu vergleichen.",
     "Les réglages de la fenêtre face au contenu de l'allumage. Cliquer pour comparer avec "
     "l'allumage.",
     "Nastavení okna oproti obsahu zapalování. Kliknutím porovnáte se zapalováním."},
    {"The unit holds other settings than the window (values that differ: %1). Program the unit "
     "before closing?",
     "Die Zündung enthält andere Einstellungen als das Fenster (abweichende Werte: %1). Die "
     "Zündung vor dem Schließen programmieren?",
     "L'allumage contient d'autres réglages que la fenêtre (valeurs différentes : %1). "
     "Programmer l'allumage avant de fermer ?",
     "Zapalování obsahuje jiné nastavení než okno (rozdílné hodnoty: %1). Naprogramovat "
     "zapalování před zavřením?"},
    {"&Program the unit and close", "Zündung &programmieren und schließen",
     "&Programmer l'allumage et fermer", "&Naprogramovat zapalování a zavřít"},
    {"Close &without programming", "&Ohne Programmieren schließen", "Fermer &sans programmer",
     "Zavřít &bez programování"},
    {"Cancel", "Abbrechen", "Annuler", "Zrušit"},
}};

constexpr Translations kNoPermission{
    "No permission to open %1: add your user to the group %2 and log in again",
    "Keine Berechtigung, %1 zu öffnen: Fügen Sie Ihren Benutzer der Gruppe %2 hinzu und melden "
    "Sie sich neu an",
    "Pas d'autorisation pour ouvrir %1 : ajoutez votre utilisateur au groupe %2 et "
    "reconnectez-vous",
    "Nemáte oprávnění otevřít %1: přidejte svého uživatele do skupiny %2 a znovu se přihlaste"};

void replace(std::string& text, std::string_view marker, std::string_view value) {
    if (const std::size_t at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), value);
}

}  // namespace

std::string unitStateText(UnitStateText text, Language language, std::string_view value) {
    std::string out(translated(kTexts[static_cast<std::size_t>(text)], language));
    replace(out, "%1", value);
    return out;
}

std::string noPermissionText(Language language, std::string_view device, std::string_view group) {
    std::string out(translated(kNoPermission, language));
    replace(out, "%1", device);
    replace(out, "%2", group.empty() ? std::string_view("dialout") : group);
    return out;
}

}  // namespace tz::texts
