// Pixel-level reads of 32-bit worlds: one pixel as a colour, a window area copied into a new world, and
// the mean brightness of an area.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// The colour of the port's pixel at (h, v) in its coordinates, each component its 8 bits x 256; white
// (65535) without a port or outside it.
void GetPixelFromPort(CGrafPtr port, SInt16 h, SInt16 v, RGBColor* colour);
// A new world (bounds in global coordinates) holding the window's pixels of the area, cut to the window;
// null when nothing of it lies in the window. The caller disposes of it.
GWorldPtr GetWindowBitmap(WindowPtr window, SInt16 h, SInt16 v, SInt16 width, SInt16 height);
// The mean brightness of the area of the world in whole percent; 0 for an empty area or a non-zero skip.
// The first and third arguments are not used.
SInt16 AnalyzeOffscreen(CGrafPtr port, GWorldPtr world, const Rect* areaAgain, const Rect* area, SInt16 skip);
// The inverse of black packed into 16 bits, with the 32-bit arithmetic of the packing kept (it wraps).
SInt16 Invert16();
