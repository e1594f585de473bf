// The program's menus, by slot, as the rest of the program reaches them.
#pragma once

#include "platform/menus.h"

#include <string>

// Slot of the Font menu among the program's menus.
constexpr int kFontMenuSlot = 10;
// The menu in a slot of the program's menus, null when it is not made.
MenuRef GetProgramMenu(int slot);

// Builds the menu bar and the program's menus at start-up.
void SetUpMenus();
// Brings every menu item's enable state and mark into line with the program's state; runs before every
// command and before a menu opens.
void ConsistifyMenus();

// ---- The scripts menu (slot 8) and the menu states that follow the open file ----

// The 1-based item of the current script in the scripts menu (-1 or 0: none) and the current script's
// name (UTF-8, as gOutName).
extern SInt32 gSelectText;
extern std::string gCurrentScriptName;
// Rebuilds the scripts menu from the queue, the resource script file or the document; false (after a
// beep) when there is nothing to list.
bool SetScriptMenu(bool redraw);
// The scripts menu's item count, the item whose text is the name (ignoring case; 0 when none), an item's
// text, and the check mark on one item.
SInt16 CountScriptMenuItems();
SInt16 FindScriptMenuItem(const std::string& name);
std::string GetScriptMenuItemText(SInt16 item);
void CheckScriptMenuItem(SInt16 item);
// Enable the items that need an open file, and those that need a selection.
void EnableWhenFile(bool showQueue);
void EnableWhenSelect();
