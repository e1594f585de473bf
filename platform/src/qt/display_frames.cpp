// The display's frame counter, read through the Present extension on the platform layer's own X
// connection: one notification asked for at a time, each answered when the display begins the next frame,
// its time handed to the timers that follow the display. Tests hand fake frames over instead.
#include "platform/display_frames.h"

#include "event_internal.h"
#include "x11_link.h"

#include "platform/clock.h"

#ifdef ORVALIS_HAVE_XCB_EXTRAS
#include <QTimer>

#include <xcb/present.h>

#include <poll.h>
#endif

#include <cmath>
#include <cstdio>

namespace {

constexpr double kTickMicros = 1e6 / 60;
// A display whose frames are within this much of 60 Hz (or of a whole multiple) is followed: wide enough
// for a virtual display whose frames come late on a busy machine, narrow enough to leave 50 and 75 Hz out.
constexpr double kRateTolerance = 0.06;
constexpr UInt64 kProbeSpanFrames = 8;
// How long the look at the display waits for an answer before it settles for the timer.
constexpr int kProbeMillis = 250;
constexpr int kMostProbeAnswers = 40;

bool gChosen = false;
FramePacingChoice gChoice;
FramePacingChosenProc gWhenChosen = nullptr;
bool gFake = false;
bool gFrameWanted = false;
UInt64 gLastMsc = 0;
// The look at the display: the first three frames it answered.
bool gProbing = false;
int gProbeFrames = 0;
UInt64 gProbeMsc[3] = {};
UInt64 gProbeUst[3] = {};
UInt64 gProbeDeadline = 0;
UInt64 gProbeTargetMsc = 0;
int gProbeAnswers = 0; // every answer, also those to frames asked for again
char gReason[96];

FramePacingChoice TimerBecause(const char* reason) {
    FramePacingChoice choice;
    choice.reason = reason;
    return choice;
}

void Decide(const FramePacingChoice& choice) {
    gProbing = false;
    gChosen = true;
    gChoice = choice;
    // Timers installed while the display was being looked at start following it now.
    if (AnyTimerFollowsDisplay()) WantNextDisplayFrame();
    if (FramePacingChosenProc proc = gWhenChosen) {
        gWhenChosen = nullptr;
        proc(gChoice);
    }
}

// The period across the last two frames the look saw (frame times wander by a millisecond where a
// virtual display times its frames by a timer, so they are eight frames apart: the error stays near 2 %).
FramePacingChoice ChoiceFromProbe() {
    if (gProbeMsc[2] <= gProbeMsc[1] || gProbeUst[2] <= gProbeUst[1])
        return TimerBecause("the display's frame counter did not move");
    gLastMsc = gProbeMsc[2];
    const double period = double(gProbeUst[2] - gProbeUst[1]) / double(gProbeMsc[2] - gProbeMsc[1]);
    FramePacingChoice choice;
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

#ifdef ORVALIS_HAVE_XCB_EXTRAS
SInt64 gClockOffset = 0;
UInt32 gSerial = 0;

void AskForFrame(X11Link* link, UInt64 targetMsc) {
    xcb_present_notify_msc(link->connection, link->screen->root, ++gSerial, targetMsc, 0, 0);
    xcb_flush(link->connection);
}

// The answer to a frame the look asked for has not come within kProbeMillis of the asking. The loop may
// have been held up meanwhile: what it has not read yet is read first, and an answer found there goes on.
void ArmProbeTimeout() {
    QTimer::singleShot(kProbeMillis, [answered = gProbeAnswers] {
        ReadX11LinkEvents();
        if (gProbing && gProbeAnswers == answered)
            Decide(TimerBecause("the display's frame counter did not move"));
    });
}

// A frame already past is answered at once; the next one as it begins, and the one a few frames on too.
// The answers come through the event loop, so the program starts meanwhile.
void StartProbe() {
    X11Link* link = OurX11Link();
    if (!link) return Decide(TimerBecause("no X11 display"));
    if (!link->hasPresent) return Decide(TimerBecause("the X server has no Present extension"));
    xcb_present_select_input(link->connection, xcb_generate_id(link->connection), link->screen->root,
                             XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    gClockOffset = MonotonicClockOffsetMicros();
    gProbing = true;
    gProbeFrames = 0;
    gProbeAnswers = 0;
    gProbeDeadline = MonotonicMicroseconds() + kProbeMillis * 1000;
    AskForFrame(link, 0);
    ArmProbeTimeout();
}

void NoteProbeFrame(UInt64 msc, UInt64 ust) {
    X11Link* link = OurX11Link();
    if (!link) return Decide(ChoiceFromProbe());
    // A frame that was already past when it was asked for is answered with the time of asking, not of the
    // frame's beginning: the look asks for the next one instead.
    ++gProbeAnswers;
    if (gProbeFrames > 0 && msc != gProbeTargetMsc) {
        // While start-up keeps the loop from reading the answers in time, the look tries again a few times.
        if (gProbeAnswers > kMostProbeAnswers)
            return Decide(TimerBecause("the display's frames came faster than read"));
        gProbeTargetMsc = msc + 1;
        AskForFrame(link, gProbeTargetMsc);
        ArmProbeTimeout();
        return;
    }
    gProbeMsc[gProbeFrames] = msc;
    gProbeUst[gProbeFrames] = ust;
    ++gProbeFrames;
    if (gProbeFrames == 3) return Decide(ChoiceFromProbe());
    gProbeTargetMsc = msc + (gProbeFrames == 1 ? 1 : kProbeSpanFrames);
    AskForFrame(link, gProbeTargetMsc);
    gProbeDeadline = MonotonicMicroseconds() + kProbeMillis * 1000;
    ArmProbeTimeout();
}

// Reads the connection until the look at the display has decided or its time is up.
void FinishProbe() {
    X11Link* link = OurX11Link();
    while (gProbing && link) {
        ReadX11LinkEvents();
        const UInt64 now = MonotonicMicroseconds();
        if (!gProbing) break;
        if (now >= gProbeDeadline || xcb_connection_has_error(link->connection)) break;
        pollfd fd{xcb_get_file_descriptor(link->connection), POLLIN, 0};
        poll(&fd, 1, int((gProbeDeadline - now + 999) / 1000));
    }
    if (gProbing) Decide(TimerBecause("the display's frame counter did not move"));
}
#else
void StartProbe() {
    Decide(TimerBecause("built without the X11 Present library"));
}

void FinishProbe() {}
#endif

} // namespace

void ChooseFramePacingSoon(FramePacingChosenProc whenChosen) {
    if (gChosen) {
        if (whenChosen) whenChosen(gChoice);
        return;
    }
    gWhenChosen = whenChosen;
    if (!gProbing) StartProbe();
}

FramePacingChoice ChooseFramePacing() {
    if (!gChosen && !gProbing) StartProbe();
    if (!gChosen) FinishProbe();
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
    gProbing = false;
    gWhenChosen = nullptr;
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
    if (gProbing) return NoteProbeFrame(msc, ustMicros);
    if (gFake || !gChosen) return;
    gFrameWanted = false;
    if (msc > gLastMsc) gLastMsc = msc;
    const SInt64 local = SInt64(ustMicros) - gClockOffset;
    FireTimersOnDisplayFrame(local > 0 ? UInt64(local) : 0);
}
#endif
