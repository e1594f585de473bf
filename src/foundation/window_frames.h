// What happens when the user moves, resizes or closes one of the program's windows: the window's place is
// remembered and its own size or close operation runs.
#pragma once

#include "platform/windows.h"

void DoBoundsChanged(WindowPtr window);
// Closes the window through its own closer (nothing while quitting).
void DoGoAway(WindowPtr window);
