// Redrawing a window the desktop says needs it: one dispatcher for every window of the program, each
// drawn with its own port current and only over the area the update is for.
#pragma once

#include "platform/windows.h"

// Draws the window's content; a window that is none of the program's is ignored. The caller's port is
// current again afterwards.
void DoUpdate(WindowPtr window);
