// One-line conveniences over dialog items: texts, numbers, check boxes, radio groups, scroll values,
// user items and the small drawings (separators, frames, the default-button ring) dialogs share.
#pragma once

#include "platform/dialogs.h"

// Sets an item's text; with selectAll the whole text is selected.
void SetDText(DialogPtr dialog, SInt16 item, ConstStr255Param text, bool selectAll);
void GetDText(DialogPtr dialog, SInt16 item, StringPtr buffer);
// The title of a button, check box or radio button.
void SetDlgItemText(DialogPtr dialog, SInt16 item, ConstStr255Param title);
// The item text read as a whole number (an optional sign, then digits), and written as one.
void IntGetDlgEditValue(DialogPtr dialog, SInt16 item, SInt32* value);
void IntSetDlgEditValue(DialogPtr dialog, SInt16 item, SInt32 value);
// Makes the item a 0/1 check box and sets it.
void SetCheckbox(DialogPtr dialog, SInt16 item, SInt16 value);
// Flips the 0/1 value and shows it.
void DoCheckbox(DialogPtr dialog, SInt16 item, SInt16* value);
// A radio group of buttons first, first + 1, ...: *choice (1-based) moves to the button chosen.
void DoRadio(DialogPtr dialog, SInt16 first, SInt16 chosen, SInt16* choice);
SInt16 GetControl(DialogPtr dialog, SInt16 item);
// Keeps the control's value in the caller's variable.
void DoScrollItem(DialogPtr dialog, SInt16 item, SInt16* value);
// Range, value and page step of a scroll bar item; it is active only when there is a range to scroll.
void SetScrollItem(DialogPtr dialog, SInt16 item, SInt16 value, SInt16 minimum, SInt16 maximum,
                   SInt16 pageStep);
void HiliteScroll(DialogPtr dialog, SInt16 item, bool active);
void SetUserItem(DialogPtr dialog, SInt16 item, UserItemProc procedure);
Rect GetDRect(DialogPtr dialog, SInt16 item);
// A one-pixel separator along the item, and a frame around it.
void LineItem(DialogPtr dialog, SInt16 item);
void RectItem(DialogPtr dialog, SInt16 item);
// Draws the default-button ring: a 3 x 3 pen, rounded, 4 pixels outside the item.
void OutlineButton(DialogPtr dialog, SInt16 item);
void InvertIcon(DialogPtr dialog, SInt16 item);
// Cuts an edit item's text to max characters, with a beep, when it is longer.
void LimitTELength(DialogPtr dialog, SInt16 item, SInt16 max);

SInt16 Abs(SInt16 x);
// Clamps the point into the rectangle spanned by the two corners.
void PinPt(Point topLeft, Point bottomRight, Point* point);
