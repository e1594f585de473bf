// Operations of the scroll engine that the other subsystems call.
#pragma once

#include "platform/geometry.h"
#include "platform/windows.h"

// Change the pace of the current pacing mode by about 5 per cent. DoScrollSlower returns the new rate
// (in the finish-time mode, the new time).
void DoScrollFaster();
SInt32 DoScrollSlower();
// speed 65535 keeps the speed, direction 0 keeps the direction.
void SetScrollAmount(SInt32 speed, SInt16 direction);
// Redraws the prompter's information strip.
void UpdateInfoRect(SInt16 style, SInt16 flag, SInt32 value);
// The tab ruler above the prompter text in edit mode, within the frame.
void DrawScrollTabBar(const Rect* frame);
// Runs the colour picker on the colour; true when the user confirmed a new one.
bool GetColorDialog(SInt16 whichPrompt, RGBColor* color);

// The script was edited since the text arrays and myTextResource were last brought up to date.
extern bool gTextHasChanged;
// Copies the current script text out of the text views into myTextResource.
void GetNewText(SInt16 flag);
// The speed that speed changes move towards.
extern SInt32 gWantScrollAmount;
// The rectangle the prompter has while scrolling (the fit limit of pictures read without one), moved to
// 0,0; with count and rects, the screens it covers (rects has room for kMaxScreenRects).
void GetWindowRectIfScrolling(Rect* out, SInt16* count = nullptr, Rect* rects = nullptr);
// After the text at offset was replaced (oldLength characters by newLength), moves the script's bookmarks.
void AdjustBookmarks(SInt32 offset, SInt32 newLength, SInt32 oldLength);
// Shifts every soft-return offset greater than offset by delta.
void AdjustFakeReturns(SInt32 offset, SInt32 delta);
// Converts between offsets in the edit window's text and in the script text (soft returns removed).
SInt32 GetRealEditPosition(SInt32 offset);
SInt32 SetRealEditPosition(SInt32 offset);
// Keeps what an edit of the given kind changes (15: text, styles, bookmarks, names, hypertext, file
// names and selections; 240: the macro editor's text) so that Undo can restore it.
void StoreUndoInfo(SInt16 kind);
