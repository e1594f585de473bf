// The platform layer's own X connection: opened once when the toolkit runs on X11, its extensions looked
// up once, and its events read whenever the socket has some, so that nothing piles up in it.
#include "x11_link.h"

#include "platform/clock.h"

#include <time.h>

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/present.h>
#include <xcb/shm.h>

#include <cstdlib>

namespace {

X11Link gLink;
bool gTried = false;

bool RootVisualMatchesPorts(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || screen->root_depth != 24) return false;
    bool wordPixels = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24) wordPixels = f.data->bits_per_pixel == 32;
    if (!wordPixels) return false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        if (d.data->depth != 24) continue;
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id != screen->root_visual) continue;
            return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000 &&
                   v.data->green_mask == 0xFF00 && v.data->blue_mask == 0xFF;
        }
    }
    return false;
}

bool ShmWorks(xcb_connection_t* c) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_shm_id);
    if (!ext || !ext->present) return false;
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
    const bool ok = version != nullptr;
    std::free(version);
    return ok;
}

bool PresentWorks(xcb_connection_t* c, UInt8* opcode) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_present_id);
    if (!ext || !ext->present) return false;
    xcb_present_query_version_reply_t* version =
        xcb_present_query_version_reply(c, xcb_present_query_version(c, 1, 0), nullptr);
    const bool ok = version != nullptr;
    std::free(version);
    *opcode = ext->major_opcode;
    return ok;
}

void OpenLink() {
    // Shared memory and the frame counter are for X11 only; the offscreen platform paints nowhere.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (const char* off = std::getenv("ORVALIS_NO_X11_LINK"); off && *off) return;
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c) xcb_disconnect(c);
        return;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    auto screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(c);
        return;
    }
    xcb_prefetch_extension_data(c, &xcb_shm_id);
    xcb_prefetch_extension_data(c, &xcb_present_id);
    gLink.connection = c;
    gLink.screen = screens.data;
    gLink.portPixelsMatchRoot = RootVisualMatchesPorts(setup, screens.data);
    gLink.hasShm = ShmWorks(c);
    gLink.hasPresent = PresentWorks(c, &gLink.presentOpcode);
    // Owned by the application object, so it goes before the connection could be read after the loop.
    auto* notifier = new QSocketNotifier(qintptr(xcb_get_file_descriptor(c)), QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { ReadX11LinkEvents(); });
}

} // namespace

X11Link* OurX11Link() {
    if (!gTried) {
        gTried = true;
        OpenLink();
    }
    return gLink.connection && !xcb_connection_has_error(gLink.connection) ? &gLink : nullptr;
}

void ReadX11LinkEventsSoon() {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { ReadX11LinkEvents(); }, Qt::QueuedConnection);
}

void ReadX11LinkEvents() {
    if (!gLink.connection) return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(gLink.connection)) {
        const UInt8 type = event->response_type & 0x7F;
        if (type == 0) {
            NoteX11LinkError(reinterpret_cast<xcb_generic_error_t*>(event)->resource_id);
        } else if (type == XCB_GE_GENERIC) {
            const auto* ge = reinterpret_cast<xcb_ge_generic_event_t*>(event);
            if (ge->extension == gLink.presentOpcode && ge->event_type == XCB_PRESENT_COMPLETE_NOTIFY) {
                const auto* done = reinterpret_cast<xcb_present_complete_notify_event_t*>(event);
                if (done->kind == XCB_PRESENT_COMPLETE_KIND_NOTIFY_MSC)
                    NoteDisplayFrameCompleted(done->serial, done->msc, done->ust);
            }
        }
        std::free(event);
    }
}
#endif

SInt64 MonotonicClockOffsetMicros() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const SInt64 system = SInt64(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
    return system - SInt64(MonotonicMicroseconds());
}
