// What happens when the user moves, resizes or closes one of the program's windows: the window's place is
// remembered in gPositionPreferences, the window is kept on a screen, and its own size or close
// operation runs.
#pragma once

#include "platform/windows.h"

#include <span>

// Reacts to a new window frame (moved, resized, zoomed by the window manager): keeps the window on a
// screen, stores its place and lays it out.
void DoBoundsChanged(WindowPtr window);
// Follows a resize with the mouse (the key-equivalents and colour-chart windows), no side below 80.
void DoGrow(WindowPtr window);
// Closes the window through its own closer (nothing while quitting).
void DoGoAway(WindowPtr window);
// The window's content rectangle in global coordinates; a null window leaves *r alone.
void GetWindowRect(WindowPtr window, Rect* r);
// Invalidates the 15 x 15 square at the bottom right of the window.
void InvalGrowBox(WindowPtr window);

// Where a window stored at place should go given the screens' usable rectangles (main screen first): the
// place itself when a screen shows enough of it to grab, else a place of the same size (no larger than
// the main screen) on the main screen.
Rect KeepRectOnScreens(const Rect& place, std::span<const Rect> screens);
// The same with the screens there are now.
Rect KeepRectOnScreen(const Rect& place);
