// Services the menus share: finding an item by name, enabling the items that need a script or a
// selection, the colour menus' list length and swatches, and the style menu's outline texts.
#include "shell/menus.h"

#include "foundation/mac_roman_case.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_strings.h"
#include "media/media_windows.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "resource_names.h"
#include "scroll/prompter_window.h"
#include "shell/commands.h"
#include "shell/shell.h"
#include "textengine/text_engine.h"

namespace {

constexpr SInt16 kColorNamesList = 1001;

void SetEnabled(MenuRef menu, MenuItemIndex item, bool enabled) {
    if (!menu) return;
    if (enabled)
        EnableMenuItem(menu, item);
    else
        DisableMenuItem(menu, item);
}

void SetItemFromList(MenuRef menu, MenuItemIndex item, SInt16 index) {
    Str255 text;
    if (menu && GetOrvalisString(kProgramTexts, index, text)) SetMenuItemText(menu, item, text);
}

// Appends the colour names first to last (stopping at the first empty one), each drawn in its colour.
void AppendColorNames(MenuRef menu, SInt16 first, SInt16 last) {
    for (SInt16 index = first; index <= last; ++index) {
        Str255 name;
        if (!GetOrvalisString(kColorNamesList, index, name)) break;
        AppendMenuItemText(menu, name);
        CustomizeMyMenuItem(menu, CountMenuItems(menu));
    }
}

void DeleteItemsAfter(MenuRef menu, UInt16 keep) {
    const UInt16 count = CountMenuItems(menu);
    if (count > keep) DeleteMenuItems(menu, MenuItemIndex(keep + 1), UInt16(count - keep));
}

} // namespace

SInt16 FindNameInMenu(MenuRef menu, ConstStr255Param name) {
    if (!menu || !name) return 0;
    const std::string_view wanted = PStringView(name);
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        const std::string_view have = PStringView(text);
        if (have.size() != wanted.size()) continue;
        bool same = true;
        for (size_t i = 0; i < have.size() && same; ++i)
            same = MacRomanToLower(UInt8(have[i])) == MacRomanToLower(UInt8(wanted[i]));
        if (same) return SInt16(item);
    }
    return 0;
}

void DisableWhenNoFile() {
    for (MenuItemIndex item : {5, 6, 10, 12, 14, 15, 17})
        SetEnabled(myMenus[kFileMenuSlot], item, false);
    SetEnabled(myMenus[kScrollMenuSlot], kEditModeItem, false);
    SetEnabled(myMenus[kScrollMenuSlot], kScrollItem, false);
}

void EnableWhenFile(bool) {
    for (MenuItemIndex item : {5, 6, 10, 12, 17})
        SetEnabled(myMenus[kFileMenuSlot], item, true);
    SetEnabled(myMenus[kScrollMenuSlot], kEditModeItem, true);
    SetEnabled(myMenus[kScrollMenuSlot], kScrollItem, true);
    CreateWindowName(0);
}

void EnableWhenSelect() {
    MenuRef file = myMenus[kFileMenuSlot];
    MenuRef edit = myMenus[kEditMenuSlot];
    SetEnabled(myMenus[kScrollMenuSlot], kEditModeItem, true);
    SetEnabled(myMenus[kScrollMenuSlot], kScrollItem, true);
    SetEnabled(file, kPreviousScriptItem, gSelectText > 1 || gSynciTunes);
    if (myMenus[kScriptsMenuSlot] || gSynciTunes)
        SetEnabled(file, kNextScriptItem, CountScriptMenuItems() > gSelectText || gSynciTunes);
    for (MenuItemIndex item : {3, 4, 7, 8, 10})
        SetEnabled(edit, item, true);
    const bool canPaste = ScrollWEHandle && WECanPaste(ScrollWEHandle);
    for (MenuItemIndex item = 1; item <= 5; ++item)
        SetEnabled(myMenus[kPasteSpecialMenuSlot], item, canPaste);
    CreateWindowName(0);
}

void FixFormatMenuItems(MenuRef menu) {
    const bool outline = GetPref(gThePreferences, kPrefClassicText) != 0;
    SetItemFromList(menu, 5, outline ? 96 : 94);
    SetItemFromList(menu, 6, outline ? 97 : 95);
}

void CheckColorsInMenu(MenuRef menu) {
    if (!menu) return;
    for (MenuItemIndex item = 1; item <= 6 && item <= CountMenuItems(menu); ++item)
        CustomizeMyMenuItem(menu, item);
    const SInt32 list = GetPref(gThePreferences, kPrefColorListLength);
    const UInt16 count = CountMenuItems(menu);
    if (list == 1) {
        if (count < 10)
            AppendColorNames(menu, 7, 59);
        else if (count > 10)
            DeleteItemsAfter(menu, 63);
    } else if (list == 2) {
        if (count < 10)
            AppendColorNames(menu, 7, 770);
        else if (count <= 772)
            AppendColorNames(menu, 60, 770);
    } else if (count >= 10) {
        DeleteItemsAfter(menu, 9);
    }
    SetItemFromList(menu, 9, list == 1 ? 93 : list == 2 ? 73 : 72);
}
