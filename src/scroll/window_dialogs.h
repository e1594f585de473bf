// The prompter's small dialogs: its window size, the finish time, the save options, and the yes/no
// confirmations; and the first free resource ID of a list.
#pragma once

#include "platform/types.h"

// Asks for the prompter window's width and height (each 80 or more) and gives it that size.
void GetNewWindowSize();
// Shows the seconds left and paces the rest of the text to end after the seconds typed.
void GetFinishTime();
// The save options: bookmarks with the document and how, and the preferences with the document. True
// on OK.
bool DoSaveOptionsDialog();
// The confirmation of that dialog ID: true for item 1, false for item 2 or when the dialog cannot be
// made. A running macro's preset answer is taken without asking.
bool DoEditCustomWarning(SInt16 dialogID);
bool DoContainsStyleDialog();
// The first ID from start upward that the handle of 16-bit IDs does not hold; 32767 when all up to it
// are taken; start itself without a handle.
SInt16 GetUnusedId(Handle ids, SInt16 start);
