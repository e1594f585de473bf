// The small dialogs that ask for one value of a window's text format (size, line spacing, colour) and
// the Size menu item of a size.
#pragma once

#include "platform/dialogs.h"
#include "platform/windows.h"

// The common filter of these dialogs: Return and Enter choose item 1, command-period item 2.
bool GenericFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit);
// Asks for a text size for the window, 0..32767; 0 when nothing was chosen. mode 1 starts from the
// prompter's size at its selection, 0 does so only for styled text, and for the format palette mode is
// the size shown.
SInt16 DoSizeDialog(WindowPtr window, UInt16 mode);
// The same dialog starting from a size the caller holds (a setting being edited, not yet stored).
SInt16 DoSizeDialogStartingAt(SInt16 size);
// Asks for the line spacing (per cent) of the prompter or the edit window; Apply shows it at once. 0 when
// nothing was chosen; after Apply, Cancel returns the spacing the window had, for the caller to put back.
SInt16 DoSpacingDialog(WindowPtr window);
// The Size menu item (1-10) of a size, 0 for a size the menu does not list.
SInt16 TextSizetoSizeMenuChoice(SInt16 size);
