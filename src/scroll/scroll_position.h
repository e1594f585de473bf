// The prompter's scroll position: moving the text by pixels or to a character, and keeping the scroll
// bar and the text metrics up to date.
#pragma once

#include "platform/types.h"
#include "textengine/text_engine_types.h"

// Pixels the prompter text is scrolled from its start.
extern SInt32 gScrollCurrentPos;
// Blank lines added before and after the text while it loops.
extern SInt32 gNumBlankLinesNeeded;

// Moves the text by pixels (negative towards the start); mode 1 moves it at once without drawing.
SInt32 ScrollScrollThisMuch(SInt32 pixels, SInt16 mode);
// Scrolls so that the character stands at the cue (positions measured from the cue) or at the top.
void ScrollScrollToCharacter(SInt32 character, SInt16 mode);
void GetCurrentScrollPos();
void ScrollRecalText();
void SetScrollWindowScrolls();
// Remembers the scroll position and scrolls back to the start; RestoreScrollPosition returns there.
void SaveScrollPositionandReset();
void RestoreScrollPosition();
SInt32 GetScrollZeroPositionCharacter();
void AddScrollLoopingText();
void RemoveScrollLoopingText();
