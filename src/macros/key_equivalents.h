// The key-equivalents window's scrolling, as the mouse wheel drives it.
#pragma once

#include "platform/geometry.h"

// The window's wheel direction, +1 or -1.
extern SInt16 gKeyEquivScrollDir;
// Scrolls the window's list by the wheel's delta along the axis (0 vertical, 1 horizontal).
void SetKeyEquivOffsets(SInt16 axis, SInt32 delta);
// Redraws the window (when its size changed, unless forced).
void DrawKeyEquivWindow(const Rect* bounds, bool force);
