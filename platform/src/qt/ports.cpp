// Ports: the current port and device, window ports, port bounds and origin, and flushing a port to its
// window.
#include "platform/drawing.h"
#include "qt/polygon_internal.h"
#include "qt/port_image.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <algorithm>
#include <cstring>

namespace {

GrafPort* gCurrentPort = nullptr;
GDHandle gCurrentDevice = nullptr;

// Stands in as the current port before the program sets one, so drawing always has somewhere to go.
GrafPort* DefaultPort() {
    static GrafPort port = [] {
        GrafPort p;
        NewPortImage(&p.image, 16, 16);
        p.clip = QRegion(WideOpenRect());
        return p;
    }();
    return &port;
}

} // namespace

bool NewPortImage(QImage* image, int width, int height) {
    *image = QImage();
    if (width < 0 || height < 0) return false;
    if (width == 0 || height == 0) return true; // a port with no pixels, as a window can have
    if (static_cast<long long>(width) * height > kMaxPortPixels) return false;
    QImage made(width, height, QImage::Format_RGB32);
    if (made.isNull()) return false;
    made.fill(0xFFFFFFFFu);
    *image = std::move(made);
    return true;
}

GrafPort* CurrentPort() {
    return gCurrentPort ? gCurrentPort : DefaultPort();
}
GDHandle CurrentDevice() {
    return gCurrentDevice;
}

void ForgetPort(GrafPort* port) {
    if (gCurrentPort == port) gCurrentPort = nullptr;
    ForgetPolygonRecording(port);
}

GrafPort* NewWindowPort(int width, int height, WindowPtr window) {
    auto* port = new GrafPort;
    NewWindowPortImage(&port->image, width, height);
    port->clip = QRegion(WideOpenRect());
    port->window = window;
    return port;
}

void DisposeWindowPort(GrafPort* port) {
    if (!port) return;
    ForgetPort(port);
    delete port;
}

void ResizePortImage(GrafPort* port, int width, int height) {
    if (!port || (port->image.width() == width && port->image.height() == height)) return;
    QImage resized;
    // Keeps the old pixels rather than none.
    if (!(port->window ? NewWindowPortImage(&resized, width, height) : NewPortImage(&resized, width, height)))
        return;
    const int keepW = std::min(width, port->image.width()), keepH = std::min(height, port->image.height());
    for (int y = 0; y < keepH; ++y)
        std::memcpy(resized.scanLine(y), port->image.constScanLine(y), size_t(keepW) * 4);
    port->image = std::move(resized);
}

void GetPort(GrafPtr* port) {
    if (port) *port = CurrentPort();
}

void SetPort(GrafPtr port) {
    gCurrentPort = port;
}

void GetGWorld(CGrafPtr* port, GDHandle* device) {
    if (port) *port = CurrentPort();
    if (device) *device = gCurrentDevice;
}

void SetGWorld(CGrafPtr port, GDHandle device) {
    gCurrentPort = port;
    gCurrentDevice = device;
}

Rect* GetPortBounds(CGrafPtr port, Rect* bounds) {
    if (!bounds) return bounds;
    if (!port) port = CurrentPort();
    *bounds = Rect{port->origin.v, port->origin.h, SInt16(port->origin.v + port->image.height()),
                   SInt16(port->origin.h + port->image.width())};
    return bounds;
}

void SetOrigin(SInt16 h, SInt16 v) {
    CurrentPort()->origin = Point{v, h};
}

void QDFlushPortBuffer(CGrafPtr port, RgnHandle rgn) {
    if (!port || !port->window) return;
    if (!rgn) return FlushWindowPort(port, QRegion());
    QRegion imageArea = rgn->area.translated(-port->origin.h, -port->origin.v) & port->image.rect();
    if (!imageArea.isEmpty()) FlushWindowPort(port, imageArea);
}
