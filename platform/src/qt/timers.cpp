// Event-loop timers: our own list, timed by MonotonicMicroseconds (so the fake clock drives them in
// tests), with one precise toolkit timer armed for the earliest one while the clock is real. A late
// timer fires once and starts again from now instead of catching up in a burst; a timer whose procedure
// is still running (it opened a nested loop) is skipped while the others go on firing.
#include "platform/timers.h"

#include "event_internal.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

struct EventLoopTimer {
    EventLoopTimerProc proc = nullptr;
    void* userData = nullptr;
    UInt64 intervalMicros = 0; // 0 fires once
    UInt32 intervalNanos = 0;  // the interval's part below a microsecond, carried from fire to fire
    UInt32 carriedNanos = 0;
    UInt64 dueMicros = 0;
    UInt64 firedDueMicros = 0; // when the fire in progress (or the last one) was due
    bool scheduled = false;    // false: waits for SetEventLoopTimerNextFireTime
    bool running = false;
    bool followsDisplay = false; // fires on the display's frames while they come
    bool removed = false;        // removed while its procedure ran; freed when it returns
    UInt64 firedInPass = 0;      // a timer fires at most once per FireDueTimers call
};

namespace {

std::vector<EventLoopTimer*> gTimers; // in installation order
UInt64 gLastFiringPass = 0;
QTimer* gToolkitTimer = nullptr;

// Seconds to microseconds; false for "forever" (any negative duration). Rounded down (past a hair of
// floating-point error), so that a delay of n ticks is due when the clock has moved n ticks.
bool MicrosFromInterval(EventTimerInterval seconds, UInt64* micros) {
    if (!(seconds >= 0)) return false;
    double us = std::floor(seconds * 1e6 + 1e-3);
    *micros = us >= 9.2e18 ? UInt64(9.2e18) : UInt64(us);
    return true;
}

UInt32 NanosBelowMicros(EventTimerInterval seconds, UInt64 micros) {
    const double nanos = std::round(seconds * 1e9) - double(micros) * 1000.0;
    return nanos > 0 && nanos < 1000 ? UInt32(nanos) : 0;
}

// A timer that follows the display waits this much past its own due time for the frame before it stands
// in for it: half an interval, so that a frame a little late is still the one that fires it.
UInt64 FrameGrace(const EventLoopTimer* timer) {
    return timer->followsDisplay && DisplayFramesPace() ? timer->intervalMicros / 2 : 0;
}

bool IsInstalled(EventLoopTimerRef timer) {
    return timer && std::find(gTimers.begin(), gTimers.end(), timer) != gTimers.end();
}

void Schedule(EventLoopTimer* timer, EventTimerInterval delay) {
    UInt64 micros = 0;
    timer->scheduled = MicrosFromInterval(delay, &micros);
    if (timer->scheduled) timer->dueMicros = MonotonicMicroseconds() + micros;
}

// The next fire of a repeating timer: one interval on, or one interval from now when it is so late
// that it would be due again at once.
void Reschedule(EventLoopTimer* timer, UInt64 now) {
    if (timer->intervalMicros == 0) {
        timer->scheduled = false;
        return;
    }
    // A 1/60 s timer keeps 60 fires a second on average instead of drifting by the rounding of its interval.
    UInt64 next = timer->dueMicros + timer->intervalMicros;
    timer->carriedNanos += timer->intervalNanos;
    if (timer->carriedNanos >= 1000) {
        timer->carriedNanos -= 1000;
        ++next;
    }
    timer->dueMicros = next > now ? next : now + timer->intervalMicros;
}

} // namespace

void ArmEventLoopTimer() {
    if (!QCoreApplication::instance()) return;
    if (!gToolkitTimer) {
        gToolkitTimer = new QTimer;
        gToolkitTimer->setSingleShot(true);
        gToolkitTimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(gToolkitTimer, &QTimer::timeout, [] { FireDueTimers(); });
    }
    bool any = false;
    UInt64 earliest = 0;
    for (const EventLoopTimer* timer : gTimers) {
        if (!timer->scheduled || timer->running) continue;
        const UInt64 due = timer->dueMicros + FrameGrace(timer);
        if (!any || due < earliest) earliest = due;
        any = true;
    }
    UInt64 now = MonotonicMicroseconds();
    if (!any || (IsClockFake() && earliest > now)) {
        // The fake clock moves only when told to; whoever moves it handles pending events after.
        gToolkitTimer->stop();
        return;
    }
    UInt64 wait = earliest > now ? (earliest - now + 999) / 1000 : 0;
    gToolkitTimer->start(int(std::min<UInt64>(wait, INT_MAX)));
}

OSStatus InstallEventLoopTimer(EventTimerInterval firstDelay, EventTimerInterval interval,
                               EventLoopTimerProc proc, void* userData, EventLoopTimerRef* outTimer) {
    if (!proc) return paramErr;
    auto* timer = new EventLoopTimer;
    timer->proc = proc;
    timer->userData = userData;
    if (!MicrosFromInterval(interval, &timer->intervalMicros))
        timer->intervalMicros = 0;
    else
        timer->intervalNanos = NanosBelowMicros(interval, timer->intervalMicros);
    Schedule(timer, firstDelay);
    gTimers.push_back(timer);
    if (outTimer) *outTimer = timer;
    ArmEventLoopTimer();
    return noErr;
}

OSStatus RemoveEventLoopTimer(EventLoopTimerRef timer) {
    if (!IsInstalled(timer)) return paramErr;
    gTimers.erase(std::find(gTimers.begin(), gTimers.end(), timer));
    if (timer->running)
        timer->removed = true;
    else
        delete timer;
    ArmEventLoopTimer();
    return noErr;
}

OSStatus SetEventLoopTimerNextFireTime(EventLoopTimerRef timer, EventTimerInterval nextFire) {
    if (!IsInstalled(timer)) return paramErr;
    Schedule(timer, nextFire);
    ArmEventLoopTimer();
    return noErr;
}

UInt64 GetEventLoopTimerDueMicroseconds(EventLoopTimerRef timer) {
    return IsInstalled(timer) ? timer->firedDueMicros : 0;
}

// Runs a timer's procedure; a timer removed inside it is deleted afterwards. The loop timer is armed before
// the call, so that other timers fire inside a nested loop the procedure runs.
static void RunTimerProc(EventLoopTimer* timer) {
    timer->running = true;
    ArmEventLoopTimer();
    timer->proc(timer, timer->userData);
    timer->running = false;
    if (timer->removed) delete timer;
}

void FireDueTimers() {
    UInt64 now = MonotonicMicroseconds();
    UInt64 pass = ++gLastFiringPass;
    // Earliest due first, one at a time, looking again after each procedure: procedures may remove timers
    // (their own included), install new ones, or fire others in a nested loop. Nothing is allocated, as
    // this runs on every tick.
    for (;;) {
        EventLoopTimer* next = nullptr;
        for (EventLoopTimer* timer : gTimers) {
            if (!timer->scheduled || timer->running || timer->dueMicros + FrameGrace(timer) > now ||
                timer->firedInPass == pass)
                continue;
            if (!next || timer->dueMicros < next->dueMicros) next = timer;
        }
        if (!next) break;
        next->firedInPass = pass;
        next->firedDueMicros = next->dueMicros;
        Reschedule(next, now);
        RunTimerProc(next);
    }
    ArmEventLoopTimer();
}

OSStatus SetEventLoopTimerFollowsDisplay(EventLoopTimerRef timer, bool follows) {
    if (!IsInstalled(timer)) return paramErr;
    timer->followsDisplay = follows && timer->intervalMicros != 0;
    if (timer->followsDisplay) WantNextDisplayFrame();
    ArmEventLoopTimer();
    return noErr;
}

bool AnyTimerFollowsDisplay() {
    for (const EventLoopTimer* timer : gTimers)
        if (timer->followsDisplay) return true;
    return false;
}

void FireTimersOnDisplayFrame(UInt64 frameMicros) {
    if (!AnyTimerFollowsDisplay()) return;
    // Asked for before the procedures run, so that the frames keep coming inside a nested loop they open.
    WantNextDisplayFrame();
    const UInt64 pass = ++gLastFiringPass;
    for (;;) {
        // A frame fires a timer that is due within a quarter of an interval: a display faster than the
        // timer fires it on every second or third frame, and the first fire keeps its delay.
        EventLoopTimer* next = nullptr;
        for (EventLoopTimer* timer : gTimers) {
            if (!timer->followsDisplay || !timer->scheduled || timer->running || timer->firedInPass == pass ||
                frameMicros + timer->intervalMicros / 4 < timer->dueMicros)
                continue;
            next = timer;
            break;
        }
        if (!next) break;
        next->firedInPass = pass;
        // The frame's own time is the due time: the next is one interval after it.
        next->firedDueMicros = frameMicros;
        next->dueMicros = frameMicros + next->intervalMicros;
        next->carriedNanos = 0;
        RunTimerProc(next);
    }
    ArmEventLoopTimer();
}

void RemoveAllEventLoopTimers() {
    for (EventLoopTimer* timer : gTimers) {
        if (timer->running)
            timer->removed = true;
        else
            delete timer;
    }
    gTimers.clear();
    delete gToolkitTimer;
    gToolkitTimer = nullptr;
}
