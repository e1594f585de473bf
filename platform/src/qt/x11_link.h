// The platform layer's own connection to the X server, beside the toolkit's: it puts window ports on
// screen from shared memory and follows the display's frame counter. Private to platform/src/qt.
#pragma once

#include "platform/types.h"

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <xcb/xcb.h>

struct X11Link {
    xcb_connection_t* connection = nullptr;
    xcb_screen_t* screen = nullptr;
    bool hasShm = false;
    bool hasPresent = false;
    UInt8 presentOpcode = 0; // the major opcode that tags the Present extension's generic events
    // The root visual keeps pixels as the ports do (32-bit words, 0x00RRGGBB, least significant byte
    // first), so a port can go to a window of that visual unconverted.
    bool portPixelsMatchRoot = false;
};

// Null unless the toolkit runs on X11 and the connection opened; opened at the first call.
X11Link* OurX11Link();
// Handles what arrived on the connection (display frames, errors of a put to a window that just went).
void ReadX11LinkEvents();
// The same from the event loop, after a call that waited for a reply: the X library may have read events
// off the socket while it waited, and the socket's notifier does not see those.
void ReadX11LinkEventsSoon();
#endif

// Microseconds of the system's monotonic clock at MonotonicMicroseconds() == 0: the X server stamps
// display frames on the system clock.
SInt64 MonotonicClockOffsetMicros();

#ifdef ORVALIS_HAVE_XCB_EXTRAS
// What ReadX11LinkEvents hands on: a frame the display completed (display_frames.cpp), and an error
// that names the resource it was about (shared_port_images.cpp).
void NoteDisplayFrameCompleted(UInt32 serial, UInt64 msc, UInt64 ustMicros);
void NoteX11LinkError(UInt32 resource);
#endif
