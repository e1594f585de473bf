// Rectangle placement: hit tests that leave out the last row and column, centring, scaling one rectangle
// into another with its proportions kept, and which corner a point falls in.
#pragma once

#include "platform/geometry.h"

// The rectangle moved to 0,0, its size kept.
Rect AtOrigin(const Rect& r);
// Inside the rectangle and inside it shrunk by one pixel at the bottom and right.
bool RectInRect(const Rect* rectangle, Point point);
void CenterRectInRect(Rect* rectangle, const Rect* container);

enum : SInt16 {
    kFitTopLeft = 0,
    kFitTopRight = 1,
    kFitBottomLeft = 2,
    kFitBottomRight = 3,
    kFitCentred = 4,
};
// Scales the rectangle to the frame keeping its proportions, then places it: at a corner (0-3, relative
// to the frame's top-left, after an inset) or centred at the frame's real position (4, then inset).
// Other placements leave it scaled at 0,0. An empty frame gives the frame moved to 0,0.
void FitRectToRect(Rect* rectangle, const Rect* frame, SInt16 inset, SInt16 placement);
// 1 to 4 for a point in the size x size square at the top-left, top-right, bottom-left or bottom-right
// corner (tested in that order), else 0.
SInt16 PtInCorner(const Rect* rectangle, Point point, SInt16 size);
