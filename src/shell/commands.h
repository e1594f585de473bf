// Menu commands: one 32-bit code per command, the menu's ID in the high half and the item in the low
// half, as menus, keys, the toolbar and macros send them.
#pragma once

#include "platform/types.h"
#include "resource_names.h"

using MenuCommand = UInt32;

constexpr MenuCommand MakeMenuCommand(SInt16 menuID, SInt16 item) {
    return (MenuCommand(UInt16(menuID)) << 16) | UInt16(item);
}
constexpr SInt16 CommandMenu(MenuCommand command) {
    return SInt16(command >> 16);
}
constexpr SInt16 CommandItem(MenuCommand command) {
    return SInt16(command & 0xFFFF);
}

// Carries out a command: 0 when it was carried out, -1 when the item is disabled, has no entry, does not
// apply now or was deferred (a few commands answer -1 although they acted).
SInt32 DoCommand(MenuCommand command);

// The last command run, for the repeat command; commands run on behalf of another do not count.
extern SInt16 gLasttheMenu;
extern SInt16 gLasttheItem;
extern SInt16 gTrickingMenu;

// The part of the program a command waits for while it is not built yet (its menu item stays disabled),
// null for a command that works.
const char* CommandWaitsFor(SInt16 menuID, SInt16 item);
