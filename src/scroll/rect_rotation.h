// Turning a rectangle a quarter turn within a frame, for output rotated on its side.
#pragma once

#include "platform/geometry.h"

// Turns source by code (1 or -1 quarter turns) inside the frame, or exchanges its coordinates without a
// frame. Code 0 or on 0 gives the source; any other code leaves result as it was.
void RotateRect(const Rect* frame, const Rect& source, Rect* result, SInt16 code, SInt16 on);
// The same, for callers that start from the source.
inline Rect RotateRect(const Rect* frame, const Rect& source, SInt16 code, SInt16 on) {
    Rect result = source;
    RotateRect(frame, source, &result, code, on);
    return result;
}
