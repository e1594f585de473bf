// Points, rectangles and colours in the program's coordinates: 16-bit, vertical first, rectangles
// half-open (a rectangle covers the pixels from top,left up to but not including bottom,right).
#pragma once

#include "platform/types.h"

struct Point {
    SInt16 v = 0;
    SInt16 h = 0;
};

struct Rect {
    SInt16 top = 0;
    SInt16 left = 0;
    SInt16 bottom = 0;
    SInt16 right = 0;
};

// Colour components run from 0 to 65535.
struct RGBColor {
    UInt16 red = 0;
    UInt16 green = 0;
    UInt16 blue = 0;
};

inline bool operator==(Point a, Point b) {
    return a.v == b.v && a.h == b.h;
}
inline bool operator==(const Rect& a, const Rect& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}
inline bool operator==(const RGBColor& a, const RGBColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

inline Point MakePoint(SInt16 v, SInt16 h) {
    return Point{v, h};
}
void SetPt(Point* pt, SInt16 h, SInt16 v);
void SetRect(Rect* r, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom);
void OffsetRect(Rect* r, SInt16 dh, SInt16 dv);
void InsetRect(Rect* r, SInt16 dh, SInt16 dv);
// Both return whether the result is non-empty; an empty intersection is set to 0,0,0,0.
bool SectRect(const Rect* a, const Rect* b, Rect* result);
void UnionRect(const Rect* a, const Rect* b, Rect* result);
bool PtInRect(Point pt, const Rect* r);
bool EqualRect(const Rect* a, const Rect* b);
bool EmptyRect(const Rect* r);
// The smallest rectangle holding both points.
void Pt2Rect(Point a, Point b, Rect* result);
void AddPt(Point src, Point* dst);
void SubPt(Point src, Point* dst);
inline SInt16 RectWidth(const Rect& r) {
    return SInt16(r.right - r.left);
}
inline SInt16 RectHeight(const Rect& r) {
    return SInt16(r.bottom - r.top);
}

// A colour as a 32-bit pixel 0xAARRGGBB with full alpha, and back (components scaled by 257).
inline UInt32 PixelFromRGB(const RGBColor& c) {
    return 0xFF000000u | (UInt32(c.red >> 8) << 16) | (UInt32(c.green >> 8) << 8) | UInt32(c.blue >> 8);
}
inline RGBColor RGBFromPixel(UInt32 p) {
    return RGBColor{UInt16(((p >> 16) & 0xFF) * 257), UInt16(((p >> 8) & 0xFF) * 257),
                    UInt16((p & 0xFF) * 257)};
}
