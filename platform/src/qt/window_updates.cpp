// Update events: the parts of windows the program must redraw, gathered per window and delivered from
// the event loop, one event per window, however many times they were marked in between.
#include "platform/windows.h"

#include "event_internal.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"

#include <QCoreApplication>

namespace {

bool gUpdateDeliveryScheduled = false;
int gUpdatesBeingHandled = 0;

QRect ImageRectFromLocal(const GrafPort* port, const Rect& r) {
    return QRect(ImageX(port, r.left), ImageY(port, r.top), int(r.right) - int(r.left),
                 int(r.bottom) - int(r.top));
}

// Each window with something to redraw gets one update event; what its handler drew is flushed at once.
void DeliverPendingUpdates() {
    gUpdateDeliveryScheduled = false;
    DispatchScope scope;
    std::vector<WindowPtr> windows = WindowOrder();
    for (WindowPtr window : windows) {
        // A handler called earlier in this loop may have disposed of a window.
        if (window->disposed || !IsWindowVisible(window) || window->invalidArea.isEmpty()) continue;
        GrafPort* port = window->port;
        QRegion area = window->invalidArea.intersected(port->image.rect());
        window->invalidArea = QRegion();
        if (area.isEmpty()) continue;
        PlatformEvent event = MakePlatformEvent(EventKind::WindowUpdate, window);
        QRect bounds = area.boundingRect();
        event.updateRect =
            Rect{ClampToSInt16(bounds.top() + port->origin.v), ClampToSInt16(bounds.left() + port->origin.h),
                 ClampToSInt16(bounds.top() + bounds.height() + port->origin.v),
                 ClampToSInt16(bounds.left() + bounds.width() + port->origin.h)};
        ++gUpdatesBeingHandled;
        window->updateArea = area;
        DispatchPlatformEvent(event);
        if (!window->disposed) window->updateArea = QRegion();
        --gUpdatesBeingHandled;
        if (!window->disposed && window->port) FlushWindowPort(window->port, area);
    }
}

} // namespace

bool IsHandlingUpdateEvent() {
    return gUpdatesBeingHandled > 0;
}

void ScheduleUpdateDelivery() {
    if (gUpdateDeliveryScheduled || !QCoreApplication::instance()) return;
    gUpdateDeliveryScheduled = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &DeliverPendingUpdates, Qt::QueuedConnection);
}

void InvalidateImageArea(WindowPtr window, const QRegion& area) {
    if (!window || window->disposed || area.isEmpty()) return;
    window->invalidArea += area;
    if (IsWindowVisible(window)) ScheduleUpdateDelivery();
}

void InvalWindowRect(WindowPtr window, const Rect* localRect) {
    if (!window || !window->port || !localRect || EmptyRect(localRect)) return;
    InvalidateImageArea(window, QRegion(ImageRectFromLocal(window->port, *localRect)));
}

void InvalWindowRgn(WindowPtr window, RgnHandle localRgn) {
    if (!window || !window->port || !localRgn) return;
    InvalidateImageArea(window, localRgn->area.translated(-window->port->origin.h, -window->port->origin.v));
}

void BeginUpdate(WindowPtr window) {
    if (!window || window->disposed || !window->port || window->updateArea.isEmpty()) return;
    if (window->updateDepth++ > 0) return;
    GrafPort* port = window->port;
    window->clipBeforeUpdate = port->clip;
    window->clipWasWideOpen = port->clipIsWideOpen;
    port->clip = port->clip.intersected(window->updateArea.translated(port->origin.h, port->origin.v));
    port->clipIsWideOpen = false;
}

void EndUpdate(WindowPtr window) {
    if (!window || window->disposed || !window->port || window->updateDepth <= 0) return;
    if (--window->updateDepth > 0) return;
    window->port->clip = window->clipBeforeUpdate;
    window->port->clipIsWideOpen = window->clipWasWideOpen;
}

void ValidWindowRect(WindowPtr window, const Rect* localRect) {
    if (!window || !window->port || !localRect) return;
    window->invalidArea -= ImageRectFromLocal(window->port, *localRect);
}
