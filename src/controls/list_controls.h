// List items: one-column lists of text rows selected by click, shift-click, the arrow keys and typing the
// start of a row, and scrolled by the wheel; and pop-up items showing one choice of a menu.
#pragma once

#include "controls/control_records.h"
#include "platform/lists.h"
#include "platform/menus.h"

// Makes the item's list (or empties the one it has): selected row in maximum (-1 none after a
// deselection), the row before which the next row goes in minimum.
void SetMyControlList(WindowReference reference, MyDialogHandle dialog, MyControlItem* record);
void AddItemToMyControlList(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                            ConstStr255Param text);
// count 0 deletes every row.
void DeleteItemFromMyControlList(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 row,
                                 SInt16 count);
void SelectMyControlList(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 row,
                         bool select);
// The first selected row at or after fromRow; -1 when none or without a list.
SInt16 GetMyControlSelect(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 fromRow);
// The selected row, and whether the last click was a double click.
SInt16 DoMyList(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool* doubleClick);
ListHandle GetMyControlListHandle(WindowReference reference, const MyControlItem* record);
void MyControlListScroll(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt16 rows,
                         SInt16 columns);
// The cells the list's view shows now: rows top to bottom (exclusive), columns left to right (exclusive).
// Empty without a list.
void GeyMyControlListVisibleCells(WindowReference reference, MyDialogHandle dialog, SInt16 item, Rect* cells);
// Scrolls the list just enough to show its first selected cell.
void MyControlListAutoScroll(WindowReference reference, MyDialogHandle dialog, SInt16 item);
// A click at a local point: selects the row under it (shift adds in lists that allow several).
void ClickInMyControlList(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                          Point point, UInt16 modifiers);
// Up and down arrows move the selection (shift extends it), Home and End go to the ends, other characters
// select the first row starting with what was typed lately. True when the list took the key.
bool KeyInMyControlList(WindowReference reference, MyDialogHandle dialog, SInt16 item, UInt8 character,
                        UInt16 modifiers);
// The wheel: lines away from the user scroll towards the top.
void WheelInMyControlList(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 lines);
void DrawMyControlList(MyControlItem* record);
void PlaceMyControlList(MyControlItem* record, const Rect& place);

void SetMyControlPopupMenu(WindowReference reference, MyControlItem* record, SInt16 menuID);
void SetMyControlPopupChoice(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                             SInt16 choice);
void CheckMyControlPopupMultiple(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                                 SInt16 menuItem, bool checked, bool redraw);
MenuRef GetMyControlPopupMenu(WindowReference reference, const MyControlItem* record);
void GetMyControlPopupText(WindowReference reference, const MyControlItem* record, SInt16 menuItem,
                           StringPtr text);
SInt16 DoMyPopup(WindowReference reference, MyDialogHandle dialog, SInt16 item);
