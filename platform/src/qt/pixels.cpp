// Single pixels of a port, in local coordinates.
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

void SetCPixel(SInt16 h, SInt16 v, const RGBColor* color) {
    if (!color) return;
    GrafPort* port = CurrentPort();
    FillRect(port, QRect(h, v, 1, 1), SolidPaintOp(PixelFromRGB(*color)));
}

void GetCPixel(SInt16 h, SInt16 v, RGBColor* color) {
    if (color) *color = RGBFromPixel(GetPortPixel(CurrentPort(), h, v));
}

UInt32 GetPortPixel(CGrafPtr port, SInt16 h, SInt16 v) {
    if (!port) return 0;
    const int x = ImageX(port, h), y = ImageY(port, v);
    if (x < 0 || y < 0 || x >= port->image.width() || y >= port->image.height()) return 0;
    return reinterpret_cast<const UInt32*>(port->image.constScanLine(y))[x];
}
