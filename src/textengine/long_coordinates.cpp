// Long coordinates: the 32-bit points and rects in which text views are placed, and their conversions to
// and from the port's 16-bit ones.
#include "textengine/engine_internal.h"

#include <algorithm>

static SInt16 NarrowCoordinate(SInt32 value) {
    return SInt16(std::clamp(value, SInt32(-32767), SInt32(32767)));
}

void WELongRectToRect(const LongRect* longRect, Rect* rect) {
    rect->top = NarrowCoordinate(longRect->top);
    rect->left = NarrowCoordinate(longRect->left);
    rect->bottom = NarrowCoordinate(longRect->bottom);
    rect->right = NarrowCoordinate(longRect->right);
}

void WERectToLongRect(const Rect* rect, LongRect* longRect) {
    *longRect = LongRect{rect->top, rect->left, rect->bottom, rect->right};
}

void WESetLongRect(LongRect* rect, SInt32 left, SInt32 top, SInt32 right, SInt32 bottom) {
    *rect = LongRect{top, left, bottom, right};
}

void WEPointToLongPoint(Point point, LongPoint* longPoint) {
    *longPoint = LongPoint{point.v, point.h};
}

void WELongPointToPoint(const LongPoint* longPoint, Point* point) {
    point->v = NarrowCoordinate(longPoint->v);
    point->h = NarrowCoordinate(longPoint->h);
}

void WEOffsetLongRect(LongRect* rect, SInt32 dh, SInt32 dv) {
    rect->left += dh;
    rect->right += dh;
    rect->top += dv;
    rect->bottom += dv;
}

Boolean WELongPointInLongRect(const LongPoint* point, const LongRect* rect) {
    return point->v >= rect->top && point->v < rect->bottom && point->h >= rect->left &&
           point->h < rect->right;
}

Boolean WELongRectIntersectRect(const LongRect* a, const LongRect* b) {
    return a->left < b->right && b->left < a->right && a->top < b->bottom && b->top < a->bottom;
}

SInt32 _WEPinInRange(SInt32 value, SInt32 min, SInt32 max) {
    if (value > max) return max;
    if (value < min) return min;
    return value;
}

Boolean _WEOffsetInRange(SInt32 offset, SInt8 edge, SInt32 start, SInt32 end) {
    const SInt32 hit = edge == 0 ? offset - 1 : offset;
    return hit >= start && hit < end;
}
