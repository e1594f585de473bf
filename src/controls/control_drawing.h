// Drawing any item of a tool window by its kind, following a click on it, and the changes of
// visibility and state that redraw it. Drawing is immediate, in the port of the item's window.
#pragma once

#include "controls/control_records.h"
#include "platform/events.h"

void DrawAMyDialogButton(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                         bool pressed, bool drawHidden);
// Draws the items from the 0-based index to the last, not pressed.
void DrawMyDialogButtons(WindowReference reference, MyDialogHandle dialog, SInt16 firstIndex);
// The same with the window's port made current for the time.
void UpdateMyDialogWindow(WindowReference reference, MyDialogHandle dialog, SInt16 firstIndex);
void EraseAMyDialogButton(WindowReference reference, MyControlItem* record);
// Follows a click at a local point; 1 when the item was hit or changed.
SInt16 TrackAMyDialogButton(WindowReference reference, MyDialogHandle dialog, MyControlItem* focus,
                            const EventRecord* event, MyControlItem* record, Point point);

void MyHideControl(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool hide);
void MyDisableControl(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, bool disable);
void SetMyControlInactive(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool inactive);
void SetMyCollapseRect(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                       const Rect* rect);
void ActivateMyDialogItems();

// The offset an item is drawn and hit-tested with: the dialog's content offset unless the item is fixed.
Point MyControlOffset(MyDialogHandle dialog, const MyControlItem* record);
// Where a click hits the item: its place (a container's disclosure box), moved by the offset.
Rect MyControlHitRect(MyDialogHandle dialog, const MyControlItem* record);
