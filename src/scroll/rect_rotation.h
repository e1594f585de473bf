// Turning a rectangle a quarter turn within a frame, for output rotated on its side.
#pragma once

#include "platform/geometry.h"

// The rectangle turned by rotation (0, 1 or -1 quarter turns) inside the frame; with no frame, about its
// own top-left. Not scrolling, nothing is turned.
Rect RotateRect(const Rect* frame, const Rect& rect, SInt16 rotation, SInt16 scrolling);
