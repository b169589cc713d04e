#include "design/design_parts.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

// One entry of a submenu; an entry without a name is a separator.
struct MenuEntry {
    std::string_view name = {};
    std::string_view caption = {};
    std::string_view shortcut = {};
    std::span<const std::string_view> extraShortcuts = {};
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

constexpr MenuEntry kSeparator{};

// Open and save also answer the keys that other programs use for them.
constexpr std::array<std::string_view, 1> kOpenKeys{"Ctrl+O"};
constexpr std::array<std::string_view, 1> kSaveKeys{"Ctrl+S"};

constexpr auto kFileMenu = std::to_array<MenuEntry>({
    {.name = "MenuNew", .caption = "&New", .shortcut = "Ctrl+N"},
    kSeparator,
    {.name = "MenuOpen", .caption = "&Open", .shortcut = "F3", .extraShortcuts = kOpenKeys},
    {.name = "MenuOpenExeDir", .caption = "Open from exe dir", .shortcut = "Ctrl+F3"},
    kSeparator,
    {.name = "MenuSave", .caption = "&Save", .shortcut = "F2", .extraShortcuts = kSaveKeys},
    {.name = "MenuSaveExeDir", .caption = "Save to exe dir", .shortcut = "Ctrl+F2"},
    kSeparator,
    {.name = "MenuCompareFile", .caption = "&Compare with file..."},
    {.name = "MenuRestorePoints", .caption = "&Restore points..."},
    kSeparator,
    {.name = "MenuPrint", .caption = "&Print", .shortcut = "Ctrl+P"},
    // The command exists without a visible entry.
    {.name = "MenuPrintAll", .caption = "Print All", .visible = false},
    kSeparator,
    {.name = "MenuExit", .caption = "E&xit"},
});

constexpr auto kDeviceMenu = std::to_array<MenuEntry>({
    {.name = "MenuRead", .caption = "&Read", .shortcut = "F7"},
    {.name = "MenuVerify", .caption = "&Verify", .shortcut = "F8"},
    {.name = "MenuProgram", .caption = "&Program", .shortcut = "F9"},
    kSeparator,
    {.name = "MenuCompareUnit", .caption = "&Compare with unit"},
    {.name = "MenuBackup", .caption = "&Backup before programming", .checkable = true},
});

// Redo also answers the keys that other programs use for it.
constexpr std::array<std::string_view, 2> kRedoKeys{"Ctrl+Y", "Ctrl+Shift+Z"};

// Undo and redo start disabled: the history is empty.
constexpr auto kToolsMenu = std::to_array<MenuEntry>({
    {.name = "AdvanceMinus", .caption = "Advance -", .shortcut = "F4"},
    {.name = "AdvancePlus", .caption = "Advance +", .shortcut = "F5"},
    {.name = "MenuZpet", .caption = "Undo", .shortcut = "Ctrl+Z", .enabled = false},
    {.name = "MenuZnovu",
     .caption = "Redo",
     .shortcut = "Ctrl+Alt+Z",
     .extraShortcuts = kRedoKeys,
     .enabled = false},
    {.name = "MenuInterpol", .caption = "Interpolace", .shortcut = "Ctrl+I"},
    // The table tools act on the selected map cells: disabled until some are.
    kSeparator,
    {.name = "MenuSetCells", .caption = "&Set to...", .enabled = false},
    {.name = "MenuAddCells", .caption = "&Add...", .enabled = false},
    {.name = "MenuScaleCells", .caption = "Scal&e %...", .enabled = false},
    {.name = "MenuSmoothCells", .caption = "S&mooth", .enabled = false},
    // Live-data logs: nothing records at the start.
    kSeparator,
    {.name = "MenuRecordLive", .caption = "&Record live data..."},
    {.name = "MenuStopRecording", .caption = "Stop rec&ording", .enabled = false},
    {.name = "MenuReplayLive", .caption = "Re&play live data..."},
    kSeparator,
    {.name = "MenuCellTime", .caption = "&Time per map cell", .checkable = true},
    {.name = "MenuCellTimeReset", .caption = "Reset time per map ce&ll"},
    kSeparator,
    {.name = "MenuDesktopLook", .caption = "Desktop style and colours", .checkable = true},
});

constexpr auto kLanguageMenu = std::to_array<MenuEntry>({
    {.name = "MenuEnglish", .caption = "&English", .checkable = true, .checked = true},
    {.name = "MenuGerman", .caption = "&German", .checkable = true},
    {.name = "MenuFrench", .caption = "&France", .checkable = true},
    {.name = "MenuCzech", .caption = "&Czech", .checkable = true},
});

constexpr auto kHelpMenu = std::to_array<MenuEntry>({
    {.name = "MenuContens", .caption = "&Contens", .shortcut = "F1"},
    {.name = "MenuAbout", .caption = "&About..."},
});

struct Submenu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuEntry> entries;
};

// The port submenu is filled at run time.
constexpr std::array<Submenu, 6> kSubmenus{{
    {"MenuFile", "&File", kFileMenu},
    {"MenuCom", "&Com", {}},
    {"MenuDevice", "&Device", kDeviceMenu},
    {"MenuTools", "&Tools", kToolsMenu},
    {"MenuLanguage", "&Language", kLanguageMenu},
    {"MenuHelp", "&Help", kHelpMenu},
}};

Control menuItem(const MenuEntry& entry) {
    if (entry.name.empty()) return control(Kind::MenuSeparator, {}, {});
    Control item = control(Kind::MenuItem, entry.name, {}, entry.caption);
    item.shortcut = std::string(entry.shortcut);
    item.extraShortcuts.assign(entry.extraShortcuts.begin(), entry.extraShortcuts.end());
    item.checkable = entry.checkable;
    item.checked = entry.checked;
    item.enabled = entry.enabled;
    item.visible = entry.visible;
    return item;
}

// The context menu of the map cells. Its shortcuts are only shown: the keys
// reach the cells themselves.
constexpr auto kMapCellsMenu = std::to_array<MenuEntry>({
    {.name = "PopupCopyCells", .caption = "&Copy", .shortcut = "Ctrl+C"},
    {.name = "PopupPasteCells", .caption = "&Paste", .shortcut = "Ctrl+V"},
    kSeparator,
    {.name = "PopupSetCells", .caption = "&Set to...", .enabled = false},
    {.name = "PopupAddCells", .caption = "&Add...", .enabled = false},
    {.name = "PopupScaleCells", .caption = "Scal&e %...", .enabled = false},
    {.name = "PopupSmoothCells", .caption = "S&mooth", .enabled = false},
});

}  // namespace

void buildMapCellsMenu(ui::ControlModel& model) {
    ui::Control popup = control(Kind::Menu, "PopupMapCells", {});
    popup.popup = true;
    const ui::ControlId menu = model.add(std::move(popup));
    const Builder items(model, menu);
    for (const MenuEntry& entry : kMapCellsMenu) items.add(menuItem(entry));
    for (int k = 0; k < 100; ++k)
        model.setContextMenu(model.id(ui::ControlName{"Edit" + std::to_string(50 + k)}), menu);
}

void buildMainMenu(ui::ControlModel& model) {
    const Builder bar(model, model.add(control(Kind::Menu, "MainMenu1", {})));
    for (const Submenu& submenu : kSubmenus) {
        const Builder items =
            bar.into(bar.add(control(Kind::Menu, submenu.name, {}, submenu.caption)));
        for (const MenuEntry& entry : submenu.entries) items.add(menuItem(entry));
    }
}

}  // namespace tz::design
