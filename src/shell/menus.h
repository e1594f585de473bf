// The program's menus, by slot, as the rest of the program reaches them.
#pragma once

#include "platform/menus.h"

// Slot of the Font menu among the program's menus.
constexpr int kFontMenuSlot = 10;
// The menu in a slot of the program's menus, null when it is not made.
MenuRef GetProgramMenu(int slot);

// Builds the menu bar and the program's menus at start-up.
void SetUpMenus();
// Brings every menu item's enable state and mark into line with the program's state; runs before every
// command and before a menu opens.
void ConsistifyMenus();
