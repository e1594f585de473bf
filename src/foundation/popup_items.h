// Pop-up menus of dialogs drawn as framed boxes with a shadow, showing the current choice (1-based).
#pragma once

#include "platform/dialogs.h"
#include "platform/menus.h"

// Set while a pop-up is being tracked, so that nothing interrupts the menu.
extern bool gDontInterruptPopup;

// Draws the box and, with a menu (the given one, else menu menuID loaded for the call), the text of the
// chosen item in it. Without a menu only the empty box is drawn.
void UpdatePopup(const Rect* rectangle, SInt16 menuID, SInt16 choice, MenuRef menu);
void DrawPopup(DialogPtr dialog, SInt16 item, SInt16 menuID, SInt16 choice, MenuRef menu);
// Shows the menu over the box with the current choice checked; a different choice is stored and the box
// invalidated so that the next update draws it.
void TrackPopup(DialogPtr dialog, const Rect* rectangle, SInt16 menuID, SInt16* choice, MenuRef menu);
void DoPopup(DialogPtr dialog, SInt16 item, SInt16 menuID, SInt16* choice, MenuRef menu);
