// Menu commands: one 32-bit code per command, the menu's ID in the high half and the item in the low
// half, as menus, keys, the toolbar and macros send them.
#pragma once

#include "platform/types.h"

using MenuCommand = UInt32;

constexpr MenuCommand MakeMenuCommand(SInt16 menuID, SInt16 item) {
    return (MenuCommand(UInt16(menuID)) << 16) | UInt16(item);
}

enum : SInt16 {
    kFileMenuID = 129,
    kOpenItem = 2,
    kQuitItem = 22,
    kScrollMenuID = 133,
    kScrollControlItem = 8,
    kPauseToggleItem = 10,
    kBookmarksMenuID = 135,
};

// Carries out a command; non-zero when the command was not taken, so the platform's own handling runs.
SInt32 DoCommand(MenuCommand command);
