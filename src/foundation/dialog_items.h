// One-line conveniences over dialog items: texts, check boxes and the default-button ring.
#pragma once

#include "platform/dialogs.h"

// Sets an item's text; with selectAll the whole text is selected.
void SetDText(DialogPtr dialog, SInt16 item, ConstStr255Param text, bool selectAll);
void GetDText(DialogPtr dialog, SInt16 item, StringPtr buffer);
// Makes the item a 0/1 check box and sets it.
void SetCheckbox(DialogPtr dialog, SInt16 item, SInt16 value);
// Flips the 0/1 value and shows it.
void DoCheckbox(DialogPtr dialog, SInt16 item, SInt16* value);
// Draws the default-button ring: a 3 x 3 pen, rounded, 4 pixels outside the item.
void OutlineButton(DialogPtr dialog, SInt16 item);
