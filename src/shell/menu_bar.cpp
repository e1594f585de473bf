// The menu bar, built once at start-up from the program's 'MENU' resources: nine menus in the bar, twenty
// submenus hanging from their items, the key equivalents that have no character, and the hooks through
// which the bar's menus are brought up to date and their commands reach the dispatcher.
#include "shell/menus.h"

#include "foundation/error_dialog.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_strings.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "resource_names.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/event_handlers.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/startup.h"

#include <set>
#include <string>

std::array<MenuRef, kMenuSlotCount> myMenus{};
SInt16 gScriptsMenuExists = 0;

namespace {

constexpr SInt16 kChooseMacroText = 62;

struct MenuSlot {
    SInt16 slot;
    SInt16 menuID;
};

// Slot by menu ID, in the order the menus are loaded; slot 3 (the styled-text menu) is loaded only with
// styled text on and slot 6 never.
constexpr MenuSlot kMenuSlots[] = {
    {0, 128},  {1, 129},  {2, 130},  {3, 131},  {4, 132},  {5, 133},  {7, 135},
    {8, 138},  {9, 200},  {10, 201}, {11, 202}, {12, 203}, {13, 204}, {14, 207},
    {15, 209}, {16, 210}, {17, 211}, {18, 212}, {19, 213}, {20, 214}, {21, 215},
    {22, 216}, {23, 218}, {24, 219}, {25, 220}, {26, 221}, {27, 222}, {28, 223},
};

// A menu whose resource is there but cannot be read is reported once in a run; a missing one is simply
// left out, as the bar does without it either way.
MenuRef LoadMenu(SInt16 menuID) {
    static std::set<SInt16> reported;
    MenuRef menu = GetMenu(menuID);
    if (menu) return menu;
    if (GetResource(FourCC("MENU"), menuID) && reported.insert(menuID).second)
        DoErrorMessageText("The menu " + std::to_string(menuID) +
                           " of the program's resource file is damaged, so it is left out of the menu bar.");
    return nullptr;
}

void GiveKeyGlyph(SInt16 slot, MenuItemIndex item, UInt8 glyph) {
    if (MenuRef menu = myMenus[size_t(slot)]) SetMenuItemKeyGlyph(menu, item, glyph);
}

} // namespace

MenuRef GetProgramMenu(int slot) {
    return slot >= 0 && slot < kMenuSlotCount ? myMenus[size_t(slot)] : nullptr;
}

MenuRef MenuResToMenuRef(SInt16 menuID) {
    // Slot 8 holds whichever scripts menu is current and is reached through gScriptsMenuExists.
    for (const MenuSlot& entry : kMenuSlots)
        if (entry.menuID == menuID && entry.slot != kScriptsMenuSlot && entry.slot < 24)
            return myMenus[size_t(entry.slot)];
    return nullptr;
}

void MenuChosen(MenuID menu, MenuItemIndex item) {
    HandleCommandEvent(0, menu, item);
}

void MenuOpening(MenuRef) {
    curEvent.modifiers = GetCurrentKeyModifiers();
    ConsistifyMenus();
}

void SetUpMenus() {
    for (MenuRef& menu : myMenus) {
        if (menu) DeleteMenu(GetMenuID(menu));
        DisposeMenu(menu);
        menu = nullptr;
    }
    for (const MenuSlot& entry : kMenuSlots) {
        if (entry.slot == kStyledTextMenuSlot && GetPref(gThePreferences, kPrefStyledText) == 0) continue;
        myMenus[size_t(entry.slot)] = LoadMenu(entry.menuID);
    }
    gScriptsMenuExists = myMenus[kScriptsMenuSlot] ? SInt16(kScriptsMenuID) : SInt16(0);
    // The installed families fill the font menu, each item shown in its own face.
    if (MenuRef fonts = myMenus[kFontMenuSlot]) {
        for (SInt16 family : ListFontFamilies()) {
            Str255 name;
            GetFontName(family, name);
            if (name[0] > 0) AppendMenuItemText(fonts, name);
        }
        SetFontMenuFonts(fonts, true);
    }
    for (int slot = 9; slot < kMenuSlotCount; ++slot)
        InsertMenu(myMenus[size_t(slot)], kInsertHierarchicalMenu);
    for (int slot = 0; slot <= kScriptsMenuSlot; ++slot)
        InsertMenu(myMenus[size_t(slot)], 0);
    // Keys with no character of their own: F2 scrolls, escape goes back to editing.
    GiveKeyGlyph(kScrollMenuSlot, kScrollItem, kMenuF1Glyph + 1);
    GiveKeyGlyph(kScrollMenuSlot, kEditModeItem, kMenuEscapeGlyph);
    InstallMenuHandlers(MenuOpening, MenuChosen);
    DrawMenuBar();
    DisableWhenNoFile();
    SetRunMenu();
    CheckColorsInMenu(myMenus[kColorMenuSlot]);
    AddRecentFilesToMenu();
    AddDictionariesToSpellCheckMenu();
    SetSetsMenu(myMenus[14], true);
    SetBuiltInMenu(myMenus[24]);
}

bool SetRunMenu() {
    MenuRef menu = myMenus[kMacroFilesMenuSlot];
    if (!menu) return true;
    DeleteMenuItems(menu, 1, CountMenuItems(menu));
    Str255 text;
    if (!GetOrvalisString(kProgramTexts, kChooseMacroText, text)) SetPString(text, "Choose a Macro…");
    AppendMenuItemText(menu, text);
    return true;
}
