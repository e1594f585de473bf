// Dialogs built from 'DLOG' and 'DITL' resources: a window whose standard items (buttons, check boxes,
// radio buttons, edit fields) are native controls over the dialog's port, where static text, pictures
// and user items are drawn. Items are numbered from 1 in item-list order.
#pragma once

#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/types.h"
#include "platform/windows.h"

struct OpaqueDialog;
using DialogPtr = OpaqueDialog*;
using DialogRef = OpaqueDialog*;

// Item kinds as the item list stores them.
enum : SInt16 {
    userItem = 0,
    ctrlItem = 4,
    btnCtrl = 0,
    chkCtrl = 1,
    radCtrl = 2,
    resCtrl = 3,
    statText = 8,
    editText = 16,
    iconItem = 32,
    picItem = 64,
    itemDisable = 128,
};
enum : SInt16 { kStdOkItemIndex = 1, kStdCancelItemIndex = 2 };
// A button's hilite while it shows pressed.
enum : SInt16 { kControlButtonPart = 10 };

using UserItemProc = void (*)(DialogPtr dialog, SInt16 item);
// Sees every event of a modal loop first; returns true when it handled the event, setting *itemHit to
// end the loop with that item (or to 0 to go on).
using ModalFilterProc = bool (*)(DialogPtr dialog, EventRecord* event, SInt16* itemHit);

// Null when the resources are missing or damaged. The dialog starts hidden unless its 'DLOG' says
// visible; behind is as for windows.
DialogPtr GetNewDialog(SInt16 dialogID, void* storage, WindowPtr behind);
void DisposeDialog(DialogPtr dialog);
WindowPtr GetDialogWindow(DialogPtr dialog);
CGrafPtr GetDialogPort(DialogPtr dialog);
DialogPtr GetDialogFromWindow(WindowPtr window);
SInt16 CountDITL(DialogPtr dialog);

// Item kind (with itemDisable) and rectangle in the dialog's local coordinates; 0 and an empty rect
// for an item number out of range.
SInt16 GetDialogItemKind(DialogPtr dialog, SInt16 item);
Rect GetDialogItemRect(DialogPtr dialog, SInt16 item);
void SetDialogItemRect(DialogPtr dialog, SInt16 item, const Rect* rect);
void GetDialogItemText(DialogPtr dialog, SInt16 item, StringPtr text);
void SetDialogItemText(DialogPtr dialog, SInt16 item, ConstStr255Param text);
// Selects characters start to end of an edit item and gives it the keyboard focus.
void SelectDialogItemText(DialogPtr dialog, SInt16 item, SInt16 start, SInt16 end);
// The selection (or the caret, start equal to end) of an edit item, kept while the item has no focus; 0
// and 0 for an item that is not an edit field.
void GetDialogItemSelection(DialogPtr dialog, SInt16 item, SInt16* start, SInt16* end);
SInt16 GetDialogKeyboardFocusItem(DialogPtr dialog);
// Cut or copy the focused edit field's selection to the clipboard.
void DialogCut(DialogPtr dialog);
void DialogCopy(DialogPtr dialog);
// Controls: value, range and highlight (0 active, 255 inactive).
SInt16 GetDialogItemValue(DialogPtr dialog, SInt16 item);
void SetDialogItemValue(DialogPtr dialog, SInt16 item, SInt16 value);
SInt16 GetDialogItemMinimum(DialogPtr dialog, SInt16 item);
SInt16 GetDialogItemMaximum(DialogPtr dialog, SInt16 item);
void SetDialogItemMinimum(DialogPtr dialog, SInt16 item, SInt16 minimum);
void SetDialogItemMaximum(DialogPtr dialog, SInt16 item, SInt16 maximum);
void HiliteDialogItem(DialogPtr dialog, SInt16 item, SInt16 hilite);
SInt16 GetDialogItemHilite(DialogPtr dialog, SInt16 item);
// A value the program keeps with an item (a scroll bar's page step); 0 at the start.
SInt32 GetDialogItemReference(DialogPtr dialog, SInt16 item);
void SetDialogItemReference(DialogPtr dialog, SInt16 item, SInt32 reference);
void HideDialogItem(DialogPtr dialog, SInt16 item);
void ShowDialogItem(DialogPtr dialog, SInt16 item);
bool IsDialogItemVisible(DialogPtr dialog, SInt16 item);
void SetDialogItemUserProc(DialogPtr dialog, SInt16 item, UserItemProc proc);
// Return and Enter press the default item; Escape and command-period the cancel item.
void SetDialogDefaultItem(DialogPtr dialog, SInt16 item);
void SetDialogCancelItem(DialogPtr dialog, SInt16 item);
// The cancel item set for the dialog; 0 when none was.
SInt16 GetDialogCancelItem(DialogPtr dialog);
// Draws the whole dialog into its port now and flushes it.
void DrawDialog(DialogPtr dialog);

// Runs a modal loop over the front dialog until an enabled item is hit (or the filter ends it), and
// returns that item in *itemHit. Timers keep firing.
void ModalDialog(ModalFilterProc filter, SInt16* itemHit);

// Testing support: presses an item as a click would.
void PressDialogItem(DialogPtr dialog, SInt16 item);
