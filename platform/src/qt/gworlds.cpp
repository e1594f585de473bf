// Offscreen worlds: ports with no window, made, resized and disposed of by the program, and direct access
// to any port's pixels.
#include "qt/port_image.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <algorithm>
#include <cstring>

namespace {

SInt16 WorldDepth(SInt16 depth) {
    switch (depth) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
        return depth;
    default:
        return 32;
    }
}

// The image for bounds, made from the old one as the flags ask.
bool RemakeImage(const QImage& old, int width, int height, GWorldFlags flags, QImage* made) {
    if (!NewPortImage(made, width, height)) return false;
    if (old.isNull() || made->isNull()) return true;
    if (flags & kStretchGWorld) {
        QImage scaled = old.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (scaled.isNull()) return false;
        *made = scaled.convertToFormat(QImage::Format_RGB32);
        return !made->isNull();
    }
    if (flags & kClipGWorld) {
        const int keepW = std::min(width, old.width()), keepH = std::min(height, old.height());
        for (int y = 0; y < keepH; ++y)
            std::memcpy(made->scanLine(y), old.constScanLine(y), size_t(keepW) * 4);
    }
    return true;
}

} // namespace

QDErr NewGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle, GDHandle, GWorldFlags) {
    if (!world) return paramErr;
    *world = nullptr;
    if (!bounds || EmptyRect(bounds)) return paramErr;
    auto* port = new GrafPort;
    if (!NewPortImage(&port->image, RectWidth(*bounds), RectHeight(*bounds))) {
        delete port;
        return memFullErr;
    }
    port->depth = WorldDepth(depth);
    port->origin = Point{bounds->top, bounds->left};
    port->clip = QRegion(WideOpenRect());
    *world = port;
    return noErr;
}

GWorldFlags UpdateGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table,
                         GDHandle device, GWorldFlags flags) {
    if (!world || !bounds || EmptyRect(bounds)) return kGWorldFlagError;
    if (!*world)
        return NewGWorld(world, depth, bounds, table, device, flags) == noErr ? kReallocGWorld
                                                                              : kGWorldFlagError;
    GrafPort* port = *world;
    const int width = RectWidth(*bounds), height = RectHeight(*bounds);
    GWorldFlags result = kNoGWorldChange;
    if (width != port->image.width() || height != port->image.height()) {
        QImage made;
        if (!RemakeImage(port->image, width, height, flags, &made)) return kGWorldFlagError;
        port->image = std::move(made);
        result = kReallocGWorld;
    }
    port->depth = WorldDepth(depth);
    port->origin = Point{bounds->top, bounds->left};
    return result;
}

void DisposeGWorld(GWorldPtr world) {
    if (!world || world->window) return; // a window's port belongs to its window
    ForgetPort(world);
    delete world;
}

SInt16 GetPixDepth(CGrafPtr port) {
    return port ? port->depth : SInt16(32);
}

UInt32* GetPixBaseAddr(CGrafPtr port) {
    if (!port || port->image.isNull()) return nullptr;
    return reinterpret_cast<UInt32*>(port->image.bits());
}

SInt32 GetPixRowBytes(CGrafPtr port) {
    return port && !port->image.isNull() ? SInt32(port->image.bytesPerLine()) : 0;
}

bool LockPixels(CGrafPtr port) {
    return port != nullptr;
}
void UnlockPixels(CGrafPtr) {}
