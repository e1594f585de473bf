// Keyboard focus among a tool window's items: Tab and Shift-Tab walk the items that take the focus in
// item order, Space acts on the focused item and the arrow keys move within a radio group.
#pragma once

#include "controls/control_records.h"

// Buttons, check boxes, radios, containers, edit fields, lists, pop-ups and the custom controls take the
// focus while they are shown, enabled and active.
bool MyControlTakesFocus(const MyControlItem* record);
// Gives the item the focus (0: nobody), redrawing the item that loses it and the one that gets it. An
// edit field losing the focus has its value committed by its window.
void SetMyControlKeyFocus(WindowReference reference, MyDialogHandle dialog, SInt16 item);
// The focused item of the dialog, 0 when it has none.
SInt16 GetMyControlKeyFocus(MyDialogHandle dialog);
// Moves the focus to the next (or previous) item that takes it, wrapping; the new item, 0 when none.
SInt16 AdvanceMyControlFocus(WindowReference reference, MyDialogHandle dialog, bool backwards);
// Tab, Shift-Tab, Space and, in a radio group, the arrow keys. Returns the item the key acted on (the
// window handles it as a click on it), 0 when none; *handled tells whether the key was used.
SInt16 KeyInMyDialogControls(WindowReference reference, MyDialogHandle dialog, UInt8 character,
                             UInt16 modifiers, bool* handled);
