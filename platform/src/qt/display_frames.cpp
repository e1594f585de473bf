// The display's frame counter, read through the Present extension on the platform layer's own X
// connection: one notification asked for at a time, each answered when the display begins the next frame,
// its time handed to the timers that follow the display. Tests hand fake frames over instead.
#include "platform/display_frames.h"

#include "event_internal.h"
#include "x11_link.h"

#include "platform/clock.h"

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <xcb/present.h>

#include <poll.h>
#endif

#include <cmath>
#include <cstdio>

namespace {

constexpr double kTickMicros = 1e6 / 60;
// A display whose frames are within this much of 60 Hz (or of a whole multiple) is followed.
constexpr double kRateTolerance = 0.04;
constexpr UInt64 kProbeSpanFrames = 3;
// How long start-up waits for the counter to move before it settles for the timer.
constexpr int kProbeMillis = 250;

bool gChosen = false;
FramePacingChoice gChoice;
bool gFake = false;
bool gFrameWanted = false;
UInt64 gLastMsc = 0;
UInt32 gSerial = 0;
// What the probe at start-up saw: the first three completed frames.
int gProbeFrames = 0;
UInt64 gProbeMsc[3] = {};
UInt64 gProbeUst[3] = {};
bool gProbing = false;
char gReason[96];

#ifdef ORVALIS_HAVE_XCB_EXTRAS
SInt64 gClockOffset = 0;

void AskForFrame(X11Link* link, UInt64 targetMsc) {
    xcb_present_notify_msc(link->connection, link->screen->root, ++gSerial, targetMsc, 0, 0);
    xcb_flush(link->connection);
}

// Reads the connection until the probe has seen `frames` frames or the time is up.
bool WaitForProbeFrames(X11Link* link, int frames, UInt64 deadline) {
    for (;;) {
        ReadX11LinkEvents();
        if (gProbeFrames >= frames) return true;
        const UInt64 now = MonotonicMicroseconds();
        if (now >= deadline || xcb_connection_has_error(link->connection)) return false;
        pollfd fd{xcb_get_file_descriptor(link->connection), POLLIN, 0};
        poll(&fd, 1, int((deadline - now + 999) / 1000));
    }
}

FramePacingChoice ProbeDisplay() {
    FramePacingChoice choice;
    X11Link* link = OurX11Link();
    if (!link) {
        choice.reason = "no X11 display";
        return choice;
    }
    if (!link->hasPresent) {
        choice.reason = "the X server has no Present extension";
        return choice;
    }
    xcb_present_select_input(link->connection, xcb_generate_id(link->connection), link->screen->root,
                             XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    gClockOffset = MonotonicClockOffsetMicros();
    gProbing = true;
    const UInt64 deadline = MonotonicMicroseconds() + kProbeMillis * 1000;
    // A frame already past is answered at once; the next one is answered as it begins, and the one three
    // frames on too. Frame times wander by a millisecond (a virtual display times its frames by a timer),
    // so the period is measured across those three frames.
    AskForFrame(link, 0);
    bool moved = WaitForProbeFrames(link, 1, deadline);
    if (moved) {
        AskForFrame(link, gProbeMsc[0] + 1);
        moved = WaitForProbeFrames(link, 2, deadline);
    }
    if (moved) {
        AskForFrame(link, gProbeMsc[1] + kProbeSpanFrames);
        moved = WaitForProbeFrames(link, 3, deadline);
    }
    gProbing = false;
    if (!moved || gProbeMsc[2] <= gProbeMsc[1] || gProbeUst[2] <= gProbeUst[1]) {
        choice.reason = "the display's frame counter did not move";
        return choice;
    }
    gLastMsc = gProbeMsc[2];
    const double period = double(gProbeUst[2] - gProbeUst[1]) / double(gProbeMsc[2] - gProbeMsc[1]);
    choice.framePeriodMicros = UInt64(std::llround(period));
    const double framesPerTick = std::round(kTickMicros / period);
    if (framesPerTick < 1 || std::fabs(framesPerTick * period - kTickMicros) > kRateTolerance * kTickMicros) {
        std::snprintf(gReason, sizeof gReason, "the display runs at %.1f Hz", 1e6 / period);
        choice.reason = gReason;
        return choice;
    }
    if (framesPerTick > 1)
        std::snprintf(gReason, sizeof gReason, "X11 Present, %.1f Hz, a step every %d frames", 1e6 / period,
                      int(framesPerTick));
    else
        std::snprintf(gReason, sizeof gReason, "X11 Present, %.1f Hz, a step every frame", 1e6 / period);
    choice.pacing = FramePacing::kDisplayFrames;
    choice.reason = gReason;
    return choice;
}
#else
FramePacingChoice ProbeDisplay() {
    FramePacingChoice choice;
    choice.reason = "built without the X11 Present library";
    return choice;
}
#endif

} // namespace

FramePacingChoice ChooseFramePacing() {
    if (!gChosen) {
        gChosen = true;
        gChoice = ProbeDisplay();
    }
    return gChoice;
}

bool DisplayFramesPace() {
    return gChosen && gChoice.pacing == FramePacing::kDisplayFrames;
}

void WantNextDisplayFrame() {
    if (gFrameWanted || !DisplayFramesPace()) return;
    gFrameWanted = true;
#ifdef ORVALIS_HAVE_XCB_EXTRAS
    if (gFake) return;
    if (X11Link* link = OurX11Link())
        AskForFrame(link, gLastMsc + 1);
    else
        gFrameWanted = false;
#endif
}

bool IsDisplayFrameWanted() {
    return gFrameWanted;
}

void UseFakeDisplayFrames(UInt64 periodMicros) {
    gFake = periodMicros != 0;
    gChosen = gFake;
    gFrameWanted = false;
    gLastMsc = 0;
    gChoice = FramePacingChoice{};
    if (gFake) {
        gChoice.pacing = FramePacing::kDisplayFrames;
        gChoice.reason = "a fake display";
        gChoice.framePeriodMicros = periodMicros;
    }
}

void DeliverFakeDisplayFrame(UInt64 msc, UInt64 frameMicros) {
    if (!gFake) return;
    gFrameWanted = false;
    gLastMsc = msc;
    FireTimersOnDisplayFrame(frameMicros);
}

#ifdef ORVALIS_HAVE_XCB_EXTRAS
void NoteDisplayFrameCompleted(UInt32, UInt64 msc, UInt64 ustMicros) {
    if (gProbing) {
        if (gProbeFrames < 3) {
            gProbeMsc[gProbeFrames] = msc;
            gProbeUst[gProbeFrames] = ustMicros;
            ++gProbeFrames;
        }
        return;
    }
    if (gFake) return;
    gFrameWanted = false;
    if (msc > gLastMsc) gLastMsc = msc;
    const SInt64 local = SInt64(ustMicros) - gClockOffset;
    FireTimersOnDisplayFrame(local > 0 ? UInt64(local) : 0);
}
#endif
