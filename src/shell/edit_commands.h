// The Edit menu and its text submenus acting on the script in whichever of its views has the focus, with
// the bookmarks and the edit window's soft returns kept in step and one level of undo.
#pragma once

#include "platform/types.h"
#include "textengine/text_engine_types.h"

// The flags handed to the text engine's copy and paste (1 normally). Bit 4: the paste leaves the script's
// characters as they are, so no timing question, no re-measuring and no bookmark shift.
extern SInt16 gCopyPasteMode;

// The view of the script the edit commands act on: the prompter's text, or the edit window's when that
// window is in front; null while the script is not editable or another window has the focus.
WEReference FocusedTextView();

// The question asked before an edit throws away hand-recorded syllable times.
constexpr SInt16 kCustomTimingDialogID = 153;

// The text transforms (upper, lower and swapped case, joining lines, removing blank lines, plain characters
// only) on the script in both views, styles, bookmarks and soft returns kept.
SInt32 DoTextTransform(SInt16 item);
// Sorts the script as the sort dialog chooses, with one undo step; -1 without an editable script view.
SInt32 DoSortCommand();
