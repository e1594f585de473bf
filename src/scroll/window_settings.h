// What the window and screen settings decide for the prompter and the other windows while scrolling.
#pragma once

#include "platform/windows.h"

// Brings the window forward and hides the other windows as the settings ask; returns 1 when it did.
SInt16 SelectHideOtherWindow(WindowPtr window);
// The prompter has to be drawn through offscreen worlds: mirrored, flipped or turned output, a
// background, overlays or text effects.
bool RequiresOffscreens();
