// Where windows are: global content and structure bounds, moving, resizing (the port follows the
// content's size), full screen and back, and local <-> global points of the current port.
#include "platform/windows.h"

#include "event_internal.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"

#include <algorithm>

SInt16 ClampToSInt16(int value) {
    return SInt16(std::clamp(value, -32768, 32767));
}

Rect RectFromQRect(const QRect& r) {
    return Rect{ClampToSInt16(r.top()), ClampToSInt16(r.left()), ClampToSInt16(r.top() + r.height()),
                ClampToSInt16(r.left() + r.width())};
}

QRect QRectFromRect(const Rect& r) {
    return QRect(r.left, r.top, int(r.right) - int(r.left), int(r.bottom) - int(r.top));
}

int MenuBarInset(const OpaqueWindow* window) {
    return window ? window->menuBarInset : 0;
}

QRect HostContentGeometry(const OpaqueWindow* window) {
    return window->host->geometry().adjusted(0, window->menuBarInset, 0, 0);
}

void SetHostContentGeometry(OpaqueWindow* window, const QRect& content) {
    window->host->setGeometry(content.adjusted(0, -window->menuBarInset, 0, 0));
}

void SetMenuBarInset(OpaqueWindow* window, int inset) {
    if (!window || !window->host || window->menuBarInset == inset) return;
    const QRect content = HostContentGeometry(window);
    window->menuBarInset = inset;
    window->applyingBounds = true;
    SetHostContentGeometry(window, content);
    window->applyingBounds = false;
    SyncWindowBounds(window, true);
    window->host->update();
}

Rect ContentBounds(WindowPtr window) {
    return window && window->host ? RectFromQRect(HostContentGeometry(window)) : Rect{};
}

void SyncWindowBounds(WindowPtr window, bool invalidateNewArea) {
    if (!window || window->disposed || !window->host) return;
    QRect geometry = HostContentGeometry(window);
    GrafPort* port = window->port;
    int width = std::max(1, geometry.width());
    int height = std::max(1, geometry.height());
    if (port && (port->image.width() != width || port->image.height() != height)) {
        QRect kept = port->image.rect();
        ResizePortImage(port, width, height);
        if (invalidateNewArea) InvalidateImageArea(window, QRegion(0, 0, width, height).subtracted(kept));
    }
    Rect current = RectFromQRect(geometry);
    if (current == window->reportedBounds) return;
    PlatformEvent event = MakePlatformEvent(EventKind::WindowBoundsChanged, window);
    event.previousBounds = window->reportedBounds;
    event.currentBounds = current;
    event.sizeChanged = RectWidth(event.previousBounds) != RectWidth(current) ||
                        RectHeight(event.previousBounds) != RectHeight(current);
    window->reportedBounds = current;
    DispatchPlatformEvent(event);
}

namespace {

// Gives the host a new content geometry and tells the program what changed.
void ApplyContentGeometry(WindowPtr window, const QRect& geometry, bool invalidateNewArea) {
    window->applyingBounds = true;
    SetHostContentGeometry(window, geometry);
    window->applyingBounds = false;
    SyncWindowBounds(window, invalidateNewArea);
}

QMargins FrameMargins(const OpaqueWindow* window) {
    QRect frame = window->host->frameGeometry();
    QRect content = HostContentGeometry(window);
    return QMargins(content.left() - frame.left(), content.top() - frame.top(),
                    frame.right() - content.right(), frame.bottom() - content.bottom());
}

} // namespace

void MoveWindow(WindowPtr window, SInt16 h, SInt16 v, bool front) {
    if (!window || !window->host) return;
    QRect geometry = HostContentGeometry(window);
    geometry.moveTopLeft(QPoint(h, v));
    ApplyContentGeometry(window, geometry, true);
    if (front) SelectWindow(window);
}

void SizeWindow(WindowPtr window, SInt16 width, SInt16 height, bool update) {
    if (!window || !window->host || width <= 0 || height <= 0) return;
    QRect geometry = HostContentGeometry(window);
    geometry.setSize(QSize(width, height));
    ApplyContentGeometry(window, geometry, update);
}

OSStatus GetWindowBounds(WindowPtr window, WindowRegionCode region, Rect* globalBounds) {
    if (!window || !window->host || !globalBounds) return paramErr;
    switch (region) {
    case kWindowContentRgn:
        *globalBounds = RectFromQRect(HostContentGeometry(window));
        return noErr;
    case kWindowStructureRgn:
        *globalBounds = RectFromQRect(window->host->frameGeometry());
        return noErr;
    }
    return paramErr;
}

OSStatus SetWindowBounds(WindowPtr window, WindowRegionCode region, const Rect* globalBounds) {
    if (!window || !window->host || !globalBounds) return paramErr;
    QRect geometry = QRectFromRect(*globalBounds);
    if (region == kWindowStructureRgn)
        geometry = geometry.marginsRemoved(FrameMargins(window));
    else if (region != kWindowContentRgn)
        return paramErr;
    if (geometry.width() <= 0 || geometry.height() <= 0) return paramErr;
    ApplyContentGeometry(window, geometry, true);
    return noErr;
}

void SetWindowFullScreen(WindowPtr window, bool fullScreen) {
    if (!window || !window->host || window->fullScreen == fullScreen) return;
    WindowHost* host = window->host;
    if (fullScreen) {
        window->boundsBeforeFullScreen = ContentBounds(window);
        Rect screen = GetDeviceBounds(GetMaxDevice(&window->boundsBeforeFullScreen));
        window->fullScreen = true;
        // The geometry is set as well as the state: without a window manager nobody else would.
        window->applyingBounds = true;
        SetHostContentGeometry(window, QRectFromRect(screen));
        host->setWindowState(host->windowState() | Qt::WindowFullScreen);
        window->applyingBounds = false;
    } else {
        window->fullScreen = false;
        window->applyingBounds = true;
        host->setWindowState(host->windowState() & ~Qt::WindowFullScreen);
        SetHostContentGeometry(window, QRectFromRect(window->boundsBeforeFullScreen));
        window->applyingBounds = false;
    }
    SyncWindowBounds(window, true);
}

bool IsWindowFullScreen(WindowPtr window) {
    return window && window->fullScreen;
}

// A window port's local coordinates start at its content's top-left, moved by the port's origin; an
// offscreen world's at the global origin.
namespace {

QPoint PortGlobalOffset(const GrafPort* port) {
    QPoint offset(-port->origin.h, -port->origin.v);
    if (port->window && port->window->host) offset += HostContentGeometry(port->window).topLeft();
    return offset;
}

} // namespace

void LocalToGlobal(Point* pt) {
    const GrafPort* port = CurrentPort();
    if (!pt || !port) return;
    QPoint offset = PortGlobalOffset(port);
    pt->h = ClampToSInt16(pt->h + offset.x());
    pt->v = ClampToSInt16(pt->v + offset.y());
}

void GlobalToLocal(Point* pt) {
    const GrafPort* port = CurrentPort();
    if (!pt || !port) return;
    QPoint offset = PortGlobalOffset(port);
    pt->h = ClampToSInt16(pt->h - offset.x());
    pt->v = ClampToSInt16(pt->v - offset.y());
}
