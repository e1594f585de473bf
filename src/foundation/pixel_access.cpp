// Pixel-level reads of 32-bit worlds.
#include "foundation/pixel_access.h"

#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "foundation/jpeg_pictures.h"
#include "foundation/pixel_words.h"
#include "shell/shell_globals.h"

#include <algorithm>

void GetPixelFromPort(CGrafPtr port, SInt16 h, SInt16 v, RGBColor* colour) {
    if (!colour) return;
    *colour = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
    if (!port) return;
    Rect bounds;
    GetPortBounds(port, &bounds);
    if (h < bounds.left || h >= bounds.right || v < bounds.top || v >= bounds.bottom) return;
    if (!LockPixels(port)) DoErrorMessageText("The sourceBase pixels are gone");
    if (const UInt32* base = GetPixBaseAddr(port)) {
        const auto* row = reinterpret_cast<const UInt8*>(base) +
                          size_t(v - bounds.top) * size_t(GetPixRowBytes(port) & 0x7FFFFFFF);
        const UInt32 pixel = reinterpret_cast<const UInt32*>(row)[h - bounds.left];
        *colour = RGBColor{UInt16(PixelRed(pixel) << 8), UInt16(PixelGreen(pixel) << 8),
                           UInt16(PixelBlue(pixel) << 8)};
    }
    UnlockPixels(port);
}

GWorldPtr GetWindowBitmap(WindowPtr window, SInt16 h, SInt16 v, SInt16 width, SInt16 height) {
    if (!window) return nullptr;
    Rect bounds;
    GetWindowBounds(window, kWindowContentRgn, &bounds);
    int left = h, top = v, w = width, hgt = height;
    if (bounds.left > left) w -= bounds.left - left, left = bounds.left;
    if (bounds.top > top) hgt -= bounds.top - top, top = bounds.top;
    if (left + w > bounds.right) w = bounds.right - left;
    if (top + hgt > bounds.bottom) hgt = bounds.bottom - top;
    if (w <= 0 || hgt <= 0) return nullptr;
    const Rect area{SInt16(top), SInt16(left), SInt16(top + hgt), SInt16(left + w)};
    GWorldPtr world = nullptr;
    if (NewJPEGWorld(&world, gMyBitWidth, &area) != noErr || !world) return nullptr;
    // The area's own pixels, one to one: the window's local coordinates start at its content's top-left.
    Rect from = area;
    OffsetRect(&from, SInt16(-bounds.left), SInt16(-bounds.top));
    Rect windowPort;
    GetPortBounds(GetWindowPort(window), &windowPort);
    OffsetRect(&from, windowPort.left, windowPort.top);
    CopyBits(GetWindowPort(window), world, &from, &area, srcCopy, nullptr);
    return world;
}

SInt16 AnalyzeOffscreen(CGrafPtr, GWorldPtr world, const Rect*, const Rect* area, SInt16 skip) {
    if (!world || !area) return 0;
    Rect bounds;
    GetPortBounds(world, &bounds);
    // Only the part of the area that lies in the world is measured.
    const int left = std::max(area->left - bounds.left, 0), top = std::max(area->top - bounds.top, 0);
    const int right = std::min(area->right, bounds.right) - bounds.left;
    const int bottom = std::min(area->bottom, bounds.bottom) - bounds.top;
    if (skip != 0 || right <= left || bottom <= top) return 0;
    if (!LockPixels(world)) DoErrorMessageText("The destBase pixels are gone");
    double sum = 0;
    const auto* base = reinterpret_cast<const UInt8*>(GetPixBaseAddr(world));
    const size_t rowBytes = size_t(GetPixRowBytes(world) & 0x7FFFFFFF);
    if (base) {
        for (int y = top; y < bottom; ++y) {
            const auto* row = reinterpret_cast<const UInt32*>(base + size_t(y) * rowBytes);
            for (int x = left; x < right; ++x)
                sum += double(PixelRed(row[x]) + PixelGreen(row[x]) + PixelBlue(row[x])) / (3 * 255);
        }
    }
    UnlockPixels(world);
    return SInt16(sum / (double(right - left) * (bottom - top)) * 100);
}

SInt16 Invert16() {
    RGBColor color{0, 0, 0};
    InvertColor(&color);
    // red x 65536 overflows a signed 32-bit value; the wrap is part of the result callers know.
    const SInt32 packed =
        SInt32(UInt32(color.red) * 65536u + UInt32(color.green) * 256u + UInt32(color.blue));
    return SInt16(packed / 65536);
}
