// Window ports whose pixels sit in memory shared with the X server: showing a frame is one request per
// rectangle that names the rows to take, with no copy into the toolkit's backing store and no wait for the
// server before the next frame. Anything this path cannot show exactly goes through the toolkit.
#include "port_image.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"
#include "x11_link.h"

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <QEvent>
#include <QPointer>
#include <QWindow>

#include <xcb/shm.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct SharedSegment {
    uchar* address = nullptr;
    size_t bytes = 0;
    xcb_shm_seg_t seg = 0;
};

// The window of a host as the put sees it: whether its pixels take ours unconverted, and whether the
// toolkit is told when the window system asks for it to be painted again.
struct PutTarget {
    QPointer<QWidget> host;
    xcb_window_t window = 0;
    bool usable = false;
};

std::vector<SharedSegment*> gSegments; // only grows or shrinks when a window port is made or resized
std::vector<PutTarget> gTargets;
xcb_gcontext_t gGC = 0;

// The toolkit's backing store never saw the frames put straight on the window; when the window system
// asks for parts of the window again, the toolkit must paint them from the port, not show its stale copy.
class ExposeWatcher : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            for (PutTarget& t : gTargets)
                if (t.host && t.host->windowHandle() == watched) t.host->update();
        }
        return false;
    }
};

void ReleaseSegment(void* info) {
    auto* segment = static_cast<SharedSegment*>(info);
    gSegments.erase(std::remove(gSegments.begin(), gSegments.end(), segment), gSegments.end());
    if (X11Link* link = OurX11Link()) {
        xcb_shm_detach(link->connection, segment->seg);
        xcb_flush(link->connection);
    }
    shmdt(segment->address);
    delete segment;
}

SharedSegment* SegmentAt(const uchar* address, size_t bytes) {
    for (SharedSegment* s : gSegments)
        if (s->address == address && s->bytes >= bytes) return s;
    return nullptr;
}

X11Link* SharedMemoryLink() {
    X11Link* link = OurX11Link();
    return link && link->hasShm && link->portPixelsMatchRoot ? link : nullptr;
}

// Whether the window is of the root's visual and depth, asked once per window.
bool WindowTakesPortPixels(X11Link* link, xcb_window_t window) {
    xcb_connection_t* c = link->connection;
    auto attributesCookie = xcb_get_window_attributes(c, window);
    auto geometryCookie = xcb_get_geometry(c, window);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, attributesCookie, nullptr);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, geometryCookie, nullptr);
    const bool ok = attributes && geometry && attributes->visual == link->screen->root_visual &&
                    geometry->depth == link->screen->root_depth;
    std::free(attributes);
    std::free(geometry);
    ReadX11LinkEventsSoon();
    return ok;
}

PutTarget* TargetFor(X11Link* link, QWidget* host, xcb_window_t window) {
    for (PutTarget& t : gTargets)
        if (t.host == host && t.window == window) return &t;
    static ExposeWatcher* watcher = new ExposeWatcher;
    PutTarget* slot = nullptr;
    for (PutTarget& t : gTargets)
        if (!t.host) slot = &t;
    if (!slot) slot = &gTargets.emplace_back();
    *slot = PutTarget{host, window, WindowTakesPortPixels(link, window)};
    if (QWindow* handle = host->windowHandle()) handle->installEventFilter(watcher);
    if (!gGC) {
        gGC = xcb_generate_id(link->connection);
        const UInt32 noExposures = 0;
        xcb_create_gc(link->connection, gGC, link->screen->root, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }
    return slot;
}

// Toolkit widgets inside the window (other than its menu bar) are painted by the toolkit over the port:
// a put across them would hide them until their next repaint.
bool AreaMeetsChildWidgets(const WindowHost* host, const QRect& area) {
    for (const QObject* child : host->children()) {
        if (!child->isWidgetType() || child == host->menuBar) continue;
        const auto* widget = static_cast<const QWidget*>(child);
        if (!widget->isWindow() && widget->isVisible() && widget->geometry().intersects(area)) return true;
    }
    return false;
}

} // namespace

bool NewWindowPortImage(QImage* image, int width, int height) {
    X11Link* link = SharedMemoryLink();
    if (!link || width <= 0 || height <= 0 || width > 32767 || height > 32767 ||
        static_cast<long long>(width) * height > kMaxPortPixels)
        return NewPortImage(image, width, height);
    const size_t bytes = size_t(width) * size_t(height) * 4;
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) return NewPortImage(image, width, height);
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return NewPortImage(image, width, height);
    }
    const xcb_shm_seg_t seg = xcb_generate_id(link->connection);
    xcb_generic_error_t* error =
        xcb_request_check(link->connection, xcb_shm_attach_checked(link->connection, seg, UInt32(id), 0));
    ReadX11LinkEventsSoon();
    // Marked for removal once both sides hold it: it goes when the last of them lets go, even after a crash.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(address);
        return NewPortImage(image, width, height);
    }
    auto* segment = new SharedSegment{static_cast<uchar*>(address), bytes, seg};
    gSegments.push_back(segment);
    // The segment lives as long as the image's pixels do, whoever holds the last copy of them.
    QImage made(segment->address, width, height, qsizetype(width) * 4, QImage::Format_RGB32, ReleaseSegment,
                segment);
    made.fill(0xFFFFFFFFu);
    *image = std::move(made);
    return true;
}

bool PutPortOnScreen(GrafPort* port, const QRegion& imageArea) {
    X11Link* link = SharedMemoryLink();
    WindowHost* host = port->host;
    const QImage& image = port->image;
    if (!link || !host || !port->window || image.isNull() || host->devicePixelRatioF() != 1.0) return false;
    // A port image replaced or copied on write is no longer the shared one.
    if (!SegmentAt(image.constBits(), size_t(image.sizeInBytes())) ||
        image.bytesPerLine() != image.width() * 4)
        return false;
    const xcb_window_t window = xcb_window_t(host->internalWinId());
    if (!window) return false;
    PutTarget* target = TargetFor(link, host, window);
    if (!target->usable) return false;
    const int inset = MenuBarInset(port->window);
    const QRect whole = image.rect();
    const QRect bounds = imageArea.isEmpty() ? whole : imageArea.boundingRect() & whole;
    if (AreaMeetsChildWidgets(host, bounds.translated(0, inset))) return false;
    const SharedSegment* segment = SegmentAt(image.constBits(), size_t(image.sizeInBytes()));
    auto put = [&](const QRect& r) {
        if (r.isEmpty()) return;
        xcb_shm_put_image(link->connection, window, gGC, UInt16(image.width()), UInt16(image.height()),
                          UInt16(r.x()), UInt16(r.y()), UInt16(r.width()), UInt16(r.height()), SInt16(r.x()),
                          SInt16(r.y() + inset), link->screen->root_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
                          segment->seg, 0);
    };
    if (imageArea.isEmpty())
        put(whole);
    else
        for (const QRect& r : imageArea)
            put(r & whole);
    xcb_flush(link->connection);
    return true;
}

void NoteX11LinkError(UInt32 resource) {
    // A put to a window that is going away: that window is shown through the toolkit from now on.
    for (PutTarget& t : gTargets)
        if (t.window == resource) t.usable = false;
}
#else
bool NewWindowPortImage(QImage* image, int width, int height) {
    return NewPortImage(image, width, height);
}

bool PutPortOnScreen(GrafPort*, const QRegion&) {
    return false;
}
#endif
