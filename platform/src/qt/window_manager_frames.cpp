// Asking the window manager how large a frame it will put around a window before the window is shown
// (the desktop standard's frame-extents request), so that the program can place the whole window,
// title bar included, where it wants it.
#include "window_manager_frames.h"

#include "x11_link.h"

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <QThread>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

xcb_atom_t InternAtom(xcb_connection_t* c, std::string_view name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, UInt16(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The four thicknesses (left, right, top, bottom) the manager wrote on the window; false while none.
bool ReadExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents, QMargins* margins) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    bool found = false;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 16) {
        UInt32 v[4];
        std::memcpy(v, xcb_get_property_value(reply), sizeof v);
        *margins = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
        found = true;
    }
    std::free(reply);
    return found;
}

// Whether the running window manager says it answers the request; asked once.
bool ManagerAnswers(xcb_connection_t* c, xcb_window_t root, xcb_atom_t request) {
    static int answers = -1;
    if (answers >= 0) return answers == 1;
    answers = 0;
    const xcb_atom_t supported = InternAtom(c, "_NET_SUPPORTED");
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr);
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            if (atoms[i] == request) answers = 1;
    }
    std::free(reply);
    return answers == 1;
}

} // namespace

bool AskWindowManagerForFrame(UInt32 nativeWindow, QMargins* margins) {
    X11Link* link = OurX11Link();
    if (!link || !nativeWindow || !margins) return false;
    xcb_connection_t* c = link->connection;
    const xcb_window_t root = link->screen->root;
    static const xcb_atom_t request = InternAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
    static const xcb_atom_t extents = InternAtom(c, "_NET_FRAME_EXTENTS");
    bool found = false;
    if (request != XCB_ATOM_NONE && extents != XCB_ATOM_NONE && ManagerAnswers(c, root, request)) {
        found = ReadExtents(c, nativeWindow, extents, margins);
        if (!found) {
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = nativeWindow;
            message.type = request;
            xcb_send_event(c, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                           reinterpret_cast<const char*>(&message));
            xcb_flush(c);
            // The answer comes as a property on the window, usually within a millisecond or two; a
            // manager that does not answer costs a tenth of a second once per kind of window.
            for (int tries = 0; tries < 50 && !found; ++tries) {
                found = ReadExtents(c, nativeWindow, extents, margins);
                if (!found) QThread::msleep(2);
            }
        }
    }
    ReadX11LinkEventsSoon();
    return found;
}
#else
bool AskWindowManagerForFrame(UInt32, QMargins*) {
    return false;
}
#endif
