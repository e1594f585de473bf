// Rectangle hit tests, centring and proportional fitting.
#include "foundation/rect_fitting.h"

Rect AtOrigin(const Rect& r) {
    return Rect{0, 0, SInt16(r.bottom - r.top), SInt16(r.right - r.left)};
}

bool RectInRect(const Rect* rectangle, Point point) {
    return point.h >= rectangle->left && point.h < rectangle->right - 1 && point.v >= rectangle->top &&
           point.v < rectangle->bottom - 1;
}

void CenterRectInRect(Rect* rectangle, const Rect* container) {
    const SInt16 width = RectWidth(*rectangle), height = RectHeight(*rectangle);
    const SInt16 left = SInt16(container->left + (RectWidth(*container) - width) / 2);
    const SInt16 top = SInt16(container->top + (RectHeight(*container) - height) / 2);
    *rectangle = Rect{top, left, SInt16(top + height), SInt16(left + width)};
}

void FitRectToRect(Rect* rectangle, const Rect* frame, SInt16 inset, SInt16 placement) {
    Rect r = AtOrigin(*rectangle);
    const Rect f = AtOrigin(*frame);
    if (EmptyRect(&f)) {
        *rectangle = f;
        return;
    }
    const SInt32 width = r.right, height = r.bottom;
    const bool larger = f.right > width && f.bottom > height;
    const bool smaller = f.right < width || f.bottom < height;
    if ((larger || smaller) && width > 0 && height > 0) {
        const SInt32 k = larger ? 1000 : 10000;
        const SInt32 a = width * k / f.right, b = height * k / f.bottom;
        const SInt32 divisor = a > b ? a : b;
        if (divisor > 0) {
            r.right = SInt16(width * k / divisor);
            r.bottom = SInt16(height * k / divisor);
        }
    }
    const SInt16 w = r.right, h = r.bottom;
    switch (placement) {
    case kFitTopLeft:
    case kFitTopRight:
    case kFitBottomLeft:
    case kFitBottomRight: {
        InsetRect(&r, inset, inset);
        r = AtOrigin(r);
        const SInt16 dh =
            (placement == kFitTopRight || placement == kFitBottomRight) ? SInt16(f.right - r.right) : 0;
        const SInt16 dv =
            (placement == kFitBottomLeft || placement == kFitBottomRight) ? SInt16(f.bottom - r.bottom) : 0;
        OffsetRect(&r, dh, dv);
        break;
    }
    case kFitCentred:
        r = Rect{SInt16(frame->top + (f.bottom - h) / 2), SInt16(frame->left + (f.right - w) / 2), 0, 0};
        r.bottom = SInt16(r.top + h);
        r.right = SInt16(r.left + w);
        InsetRect(&r, inset, inset);
        break;
    default:
        break;
    }
    *rectangle = r;
}

SInt16 PtInCorner(const Rect* rectangle, Point point, SInt16 size) {
    const Rect corners[4] = {
        {rectangle->top, rectangle->left, SInt16(rectangle->top + size), SInt16(rectangle->left + size)},
        {rectangle->top, SInt16(rectangle->right - size), SInt16(rectangle->top + size), rectangle->right},
        {SInt16(rectangle->bottom - size), rectangle->left, rectangle->bottom,
         SInt16(rectangle->left + size)},
        {SInt16(rectangle->bottom - size), SInt16(rectangle->right - size), rectangle->bottom,
         rectangle->right},
    };
    for (SInt16 i = 0; i < 4; ++i)
        if (PtInRect(point, &corners[i])) return SInt16(i + 1);
    return 0;
}
