// The program's menus, by slot, as the rest of the program reaches them.
#pragma once

#include "platform/menus.h"

// Slot of the Font menu among the program's menus.
constexpr int kFontMenuSlot = 10;
// The menu in a slot of the program's menus, null when it is not made.
MenuRef GetProgramMenu(int slot);
