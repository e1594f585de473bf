// The scroll control dialog: the pacing mode, each mode's rate and the smoothness.
#pragma once

#include "platform/dialogs.h"
#include "platform/types.h"

// The dialog while it is open, null otherwise.
extern DialogPtr gScrollDialog;
// The smoothness setting the pop-up shows.
extern SInt16 gSmoothnessMenuChoice;

// Runs the dialog to its end.
void DoScrollControl();
// Shows the items of a pacing mode and hides those of the others.
void HiliteScrollControls(SInt16 mode);
// Shows or hides one item; nothing for a null dialog.
void ghost_gadgetX(DialogPtr dialog, SInt16 item, bool show);
// Draws the smoothness pop-up with the current choice.
void DrawSmoothnessPopup(DialogPtr dialog, SInt16 item);
