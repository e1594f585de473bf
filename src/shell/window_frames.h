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

// Where a window whose content would stand at place goes so that the whole window, its frame included
// (margins: the frame's thickness on each side, as GetWindowFrameMargins gives it), lies inside one of the
// screens' usable areas (main screen first): the area its frame overlaps most, or the main screen's when
// it overlaps none. It moves no further than it must and is made smaller only where it is larger than the
// area.
Rect FitFrameInsideAreas(const Rect& place, const Rect& margins, std::span<const Rect> areas);
// The same with the window's own frame and the screens there are now: sizes and moves the window there and
// returns its content rectangle.
Rect PlaceWindowInsideScreens(WindowPtr window, const Rect& place);
