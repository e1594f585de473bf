// Menu commands: one 32-bit code per command, the menu's ID in the high half and the item in the low
// half, as menus, keys, the toolbar and macros send them.
#pragma once

#include "platform/types.h"

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

enum : SInt16 {
    kAppleMenuID = 128,
    kAboutItem = 1,
    kManualItem = 2,
    kFileMenuID = 129,
    kNewItem = 1,
    kOpenItem = 2,
    kInsertTextItem = 4,
    kSaveItem = 5,
    kSaveSwappedItem = 6,
    kSaveOptionsItem = 7,
    kNewQueueItem = 9,
    kOpenIntoQueueItem = 10,
    kSaveQueueItem = 11,
    kEditQueueItem = 12,
    kPreviousScriptItem = 14,
    kNextScriptItem = 15,
    kReturnBookmarkItem = 16,
    kRevertItem = 17,
    kPageSetupItem = 19,
    kPrintItem = 20,
    kQuitItem = 22,
    kEditMenuID = 130,
    kUndoItem = 1,
    kCutItem = 3,
    kCopyItem = 4,
    kPasteItem = 5,
    kSwapClipboardItem = 6,
    kClearItem = 7,
    kSelectAllItem = 10,
    kPreferencesItem = 21,
    kStyledTextMenuID = 131,
    kWindowsMenuID = 132,
    kScrollMenuID = 133,
    kEditModeItem = 1,
    kScrollItem = 2,
    kScrollEditableItem = 3,
    kLoopingItem = 7,
    kScrollControlItem = 8,
    kPauseToggleItem = 10,
    kSpeakItem = 15,
    kSpeakWhileScrollingItem = 16,
    kMusicItem = 17,
    kBookmarksMenuID = 135,
    kDocumentScriptsMenuID = 136,
    kQueueScriptsMenuID = 137,
    kScriptsMenuID = 138,
    kRecentFilesMenuID = 200,
    kFontMenuID = 201,
    kSizeMenuID = 202,
    kLargerItem = 12,
    kSmallerItem = 13,
    kOtherSizeItem = 15,
    kStyleMenuID = 203,
    kColorMenuID = 204,
    kUserSetsMenuID = 207,
    kMacroMenuID = 209,
    kMacroFilesMenuID = 210,
    kCopySpecialMenuID = 211,
    kPasteSpecialMenuID = 212,
    kSelectionMenuID = 213,
    kFindToolsMenuID = 214,
    kJustificationMenuID = 215,
    kBookmarkToolsMenuID = 216,
    kWindowListMenuID = 218,
    kBuiltInSetsMenuID = 219,
    kTextTransformsMenuID = 220,
    kSpellingMenuID = 221,
    kSpellingDictionariesMenuID = 222,
    kSpellingOptionsMenuID = 223,
};

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
