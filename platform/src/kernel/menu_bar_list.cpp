// The menus of the menu bar and the submenus its items reach, by ID, and key equivalents matched against
// them. Showing them is the toolkit side's (qt/menu_bar.cpp).
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/pstring.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

std::vector<MenuRef> gBarMenus;
std::vector<MenuRef> gSubmenus;

bool Listed(MenuID id) {
    auto same = [id](MenuRef m) { return GetMenuID(m) == id; };
    return std::any_of(gBarMenus.begin(), gBarMenus.end(), same) ||
           std::any_of(gSubmenus.begin(), gSubmenus.end(), same);
}

UInt8 ModifierBits(UInt16 modifiers) {
    return UInt8(((modifiers & shiftKey) ? kMenuShiftModifier : 0) |
                 ((modifiers & optionKey) ? kMenuOptionModifier : 0) |
                 ((modifiers & controlKey) ? kMenuControlModifier : 0));
}

// Searches a menu and, depth first, the submenus its enabled items lead to (a submenu is searched once).
SInt32 FindKey(MenuRef menu, UInt8 character, UInt8 wanted, std::vector<MenuID>& seen) {
    if (!menu || !IsMenuItemEnabled(menu, 0)) return 0;
    seen.push_back(GetMenuID(menu));
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
        if (!IsMenuItemEnabled(menu, item)) continue;
        if (MenuID sub = GetItemSubmenu(menu, item)) {
            if (std::find(seen.begin(), seen.end(), sub) != seen.end()) continue;
            if (SInt32 found = FindKey(GetMenuHandle(sub), character, wanted, seen)) return found;
            continue;
        }
        const UInt8 key = GetItemCmd(menu, item);
        const UInt8 needs = GetMenuItemModifiers(menu, item);
        if (key == 0 || (needs & kMenuNoCommandModifier)) continue;
        if (std::toupper(key) == std::toupper(character) && needs == wanted)
            return (SInt32(GetMenuID(menu)) << 16) | item;
    }
    return 0;
}

} // namespace

void InsertMenu(MenuRef menu, MenuID beforeID) {
    if (!menu || Listed(GetMenuID(menu))) return;
    if (beforeID == kInsertHierarchicalMenu) {
        gSubmenus.push_back(menu);
        return;
    }
    auto before = std::find_if(gBarMenus.begin(), gBarMenus.end(),
                               [beforeID](MenuRef m) { return beforeID != 0 && GetMenuID(m) == beforeID; });
    gBarMenus.insert(before, menu);
}

void DeleteMenu(MenuID id) {
    auto same = [id](MenuRef m) { return GetMenuID(m) == id; };
    gBarMenus.erase(std::remove_if(gBarMenus.begin(), gBarMenus.end(), same), gBarMenus.end());
    gSubmenus.erase(std::remove_if(gSubmenus.begin(), gSubmenus.end(), same), gSubmenus.end());
}

void ClearMenuBar() {
    gBarMenus.clear();
    gSubmenus.clear();
}

MenuRef GetMenuHandle(MenuID id) {
    for (const auto* list : {&gBarMenus, &gSubmenus})
        for (MenuRef m : *list)
            if (GetMenuID(m) == id) return m;
    return nullptr;
}

UInt16 CountMenuBarMenus() {
    return UInt16(gBarMenus.size());
}

MenuRef GetMenuBarMenu(UInt16 index) {
    return index < gBarMenus.size() ? gBarMenus[index] : nullptr;
}

SInt32 MenuKey(UInt8 character, UInt16 modifiers) {
    if (character == 0) return 0;
    const UInt8 wanted = ModifierBits(modifiers);
    std::vector<MenuID> seen;
    for (MenuRef menu : gBarMenus)
        if (SInt32 found = FindKey(menu, character, wanted, seen)) return found;
    return 0;
}
