// Drags of items of named flavours: their mime data out through the toolkit's drag, drops from our own
// windows and from other programs read back into the same items, and the drag events of a window.
#include "platform/drag.h"

#include "drag_internal.h"
#include "event_internal.h"
#include "pasteboard_items.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

#include <algorithm>
#include <cstdlib>
#include <memory>

struct DragRecord {
    std::vector<PasteboardItem> items;
    Point mouse{};
    UInt16 modifiers = 0;
    UInt16 startModifiers = 0;
    WindowPtr source = nullptr;
};

namespace {

// The drag this program is running: drops on our own windows carry it instead of a copy.
DragRef gOwnDrag = nullptr;
const QMimeData* gOwnMime = nullptr;
// The drag from another program now over one of our windows, read once when it enters.
DragRef gForeignDrag = nullptr;

PasteboardItem* ItemOf(DragRef drag, int item) {
    if (!drag || item < 1 || item > int(drag->items.size())) return nullptr;
    return &drag->items[size_t(item - 1)];
}

Point LocalPoint(WindowPtr window, QPointF position) {
    const GrafPort* port = window->port;
    const int dh = port ? port->origin.h : 0, dv = (port ? port->origin.v : 0) - MenuBarInset(window);
    return Point{SInt16(std::clamp<int>(int(position.y()) + dv, -32768, 32767)),
                 SInt16(std::clamp<int>(int(position.x()) + dh, -32768, 32767))};
}

} // namespace

DragRef NewDrag() {
    return new DragRecord;
}

void DisposeDrag(DragRef drag) {
    if (drag == gForeignDrag) gForeignDrag = nullptr;
    delete drag;
}

bool AddDragItemFlavor(DragRef drag, int item, const std::string& flavor, const std::string& bytes) {
    if (!drag) return false;
    if (item == int(drag->items.size()) + 1) drag->items.emplace_back();
    PasteboardItem* target = ItemOf(drag, item);
    if (!target) return false;
    for (auto& [name, data] : *target)
        if (name == flavor) {
            data = bytes;
            return true;
        }
    target->emplace_back(flavor, bytes);
    return true;
}

int CountDragItems(DragRef drag) {
    return drag ? int(drag->items.size()) : 0;
}

std::vector<std::string> GetDragItemFlavors(DragRef drag, int item) {
    std::vector<std::string> names;
    if (const PasteboardItem* found = ItemOf(drag, item))
        for (const auto& flavor : *found)
            names.push_back(flavor.first);
    return names;
}

bool GetDragItemFlavorData(DragRef drag, int item, const std::string& flavor, std::string* bytes) {
    const PasteboardItem* found = ItemOf(drag, item);
    if (!found) return false;
    for (const auto& [name, data] : *found)
        if (name == flavor) {
            if (bytes) *bytes = data;
            return true;
        }
    return false;
}

DragRef NewDragFromMimeData(const std::vector<MimeFormat>& formats) {
    QMimeData mime;
    for (const MimeFormat& f : formats)
        mime.setData(QString::fromStdString(f.type), QByteArray(f.bytes.data(), qsizetype(f.bytes.size())));
    DragRef drag = NewDrag();
    drag->items = ItemsOfMimeData(mime);
    return drag;
}

std::vector<MimeFormat> MimeDataOfDrag(DragRef drag) {
    std::vector<MimeFormat> formats;
    if (!drag) return formats;
    std::unique_ptr<QMimeData> mime(NewMimeDataOfItems(drag->items));
    for (const QString& type : mime->formats()) {
        const QByteArray bytes = mime->data(type);
        formats.push_back({type.toStdString(), std::string(bytes.constData(), size_t(bytes.size()))});
    }
    return formats;
}

void SetDragMouse(DragRef drag, Point local, UInt16 modifiers) {
    if (!drag) return;
    drag->mouse = local;
    drag->modifiers = modifiers;
}

Point GetDragMouse(DragRef drag) {
    return drag ? drag->mouse : Point{};
}

UInt16 GetDragModifiers(DragRef drag) {
    return drag ? drag->modifiers : 0;
}

UInt16 GetDragStartModifiers(DragRef drag) {
    return drag ? drag->startModifiers : 0;
}

WindowPtr GetDragSourceWindow(DragRef drag) {
    return drag ? drag->source : nullptr;
}

bool WaitMouseMoved(Point globalStart) {
    const int distance = QGuiApplication::instance() ? QApplication::startDragDistance() : 4;
    while (StillDown()) {
        Point now;
        GetGlobalMouse(&now);
        if (std::abs(now.h - globalStart.h) + std::abs(now.v - globalStart.v) >= distance) return true;
    }
    return false;
}

OSStatus TrackDrag(DragRef drag, WindowPtr source, UInt16 modifiers) {
    WindowHost* host = source ? source->host : nullptr;
    if (!drag || !host || gOwnDrag) return userCanceledErr;
    drag->startModifiers = modifiers;
    drag->source = source;
    auto* qdrag = new QDrag(host);
    QMimeData* mime = NewMimeDataOfItems(drag->items);
    qdrag->setMimeData(mime);
    gOwnDrag = drag;
    gOwnMime = mime;
    const Qt::DropAction action = qdrag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    gOwnDrag = nullptr;
    gOwnMime = nullptr;
    qdrag->deleteLater();
    // The toolkit's drag took the release; the button is up now.
    gInputState.buttons = 0;
    return action == Qt::IgnoreAction ? OSStatus(userCanceledErr) : OSStatus(noErr);
}

void TranslateDragEvent(WindowPtr window, QDropEvent& event, EventKind kind) {
    DispatchScope scope;
    DragRef drag = nullptr;
    if (gOwnDrag && event.mimeData() == gOwnMime) {
        drag = gOwnDrag;
    } else {
        if (kind == EventKind::DragEntered || !gForeignDrag) {
            DisposeDrag(gForeignDrag);
            gForeignDrag = NewDrag();
            gForeignDrag->items = ItemsOfMimeData(*event.mimeData());
        }
        drag = gForeignDrag;
    }
    // The drag has left its window once it is over another.
    if (drag->source && drag->source != window) drag->source = nullptr;
    gInputState.modifiers = ClassicModifiers(event.modifiers());
    SetDragMouse(drag, LocalPoint(window, event.position()), gInputState.modifiers);
    PlatformEvent platformEvent = MakePlatformEvent(kind, window);
    platformEvent.localPoint = drag->mouse;
    platformEvent.drag = drag;
    const bool taken = DispatchPlatformEvent(platformEvent) == noErr;
    if (taken) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
    if (kind == EventKind::DragDropped && drag == gForeignDrag) {
        DisposeDrag(gForeignDrag);
        gForeignDrag = nullptr;
    }
}

void TranslateDragLeave(WindowPtr window) {
    DispatchScope scope;
    DragRef drag = gOwnDrag ? gOwnDrag : gForeignDrag;
    if (!drag) return;
    drag->source = nullptr;
    PlatformEvent platformEvent = MakePlatformEvent(EventKind::DragLeft, window);
    platformEvent.localPoint = drag->mouse;
    platformEvent.drag = drag;
    DispatchPlatformEvent(platformEvent);
    if (drag == gForeignDrag) {
        DisposeDrag(gForeignDrag);
        gForeignDrag = nullptr;
    }
}
