// Laying out a tool window's items: moving and resizing them with what hangs under them, chains of items
// placed under other items, and collapsible containers that hide their members and pull up what follows.
#pragma once

#include "controls/control_records.h"

// Where the item is now, without the content offset: its full rect when expanded, else its collapse rect.
Rect MyControlPlace(const MyControlItem* record);
// SetMyControlRect with the choice of leaving the item undrawn.
void MoveMyControl(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect& rect,
                   bool moveMembers, bool redraw);
void SetMyControlRect(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect* rect,
                      bool moveMembers);
void SetMyControlidabove(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 itemAbove);
void SetMyControlContainer(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 container,
                           SInt16 itemAbove, bool move);
void SetMyControlExpanded(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool expanded);
// Toggles; 2 when now expanded, 0 when collapsed.
SInt16 DoMyExpand(WindowReference reference, MyDialogHandle dialog, SInt16 item);
void MyExpandContainer(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool collapse);
void SetMyDisclosureControlHeight(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                  SInt16 height);
// Places what the items own again after the content offset changed.
void ResetMyEditControlRects(WindowReference reference, MyDialogHandle dialog);
