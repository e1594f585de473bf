// Rectangles that follow the mouse while the button is held (a moved rectangle and a rubber band), two
// rectangles blinked on the prompter, and an area dimmed to half white. The tracking loops handle
// events as they wait, so the program's timer keeps running.
#pragma once

#include "platform/dialogs.h"
#include "platform/geometry.h"
#include "platform/windows.h"

// Moves the rectangle with the mouse from start (window coordinates) until the button goes up, drawing
// its outline in exclusive-or. An axis locked by geeLockHorizontal or geeLockVertical keeps still. With a
// non-empty limit the rectangle stays inside it (inside) or at least touches it. True, with the moved
// rectangle, when the mouse ended away from the start along an axis that is not locked.
bool DragRectangle(WindowPtr window, Point start, Rect* rectangle, const Rect* limit, bool inside);

enum : SInt16 { kRubberInWindow = 1, kRubberInDialog = 2, kRubberInPort = 3 };
// Spans a rectangle from start to the mouse until the button goes up, framed in exclusive-or; the mouse
// is kept within a non-empty limit and a locked axis keeps the rectangle's extent. True with the
// rectangle unless it ended empty.
bool NewRubberRect(void* target, SInt16 kind, Point start, Rect* rectangle, const Rect* limit,
                   bool lockHorizontal, bool lockVertical);
// Frames both rectangles on the prompter in exclusive-or, with L-shaped marks inside the first one's
// corners when markSize is not 0; a second call erases them.
void BlinkRects(const Rect* rectangle, const Rect* second, SInt16 markSize);
// Blends the area of the port half way to white.
void DimRect(GrafPtr port, const Rect* rectangle);
