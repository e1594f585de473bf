// Keeping the display awake: a prompter that scrolls for an hour must not blank or lock the screen.
#pragma once

#include "platform/types.h"

// Tells the desktop that the user is active. Cheap enough to call on every scroll step: the desktop hears
// of it at most every few seconds.
void UpdateSystemActivity(SInt16 kind);
