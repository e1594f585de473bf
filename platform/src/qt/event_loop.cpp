// The event loops: the application's, nested ones for modal work, handling what is pending without
// waiting, and waiting a number of ticks. Every one of them fires due timers, the fake clock's included.
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/timers.h"

#include "event_internal.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <vector>

namespace {

struct NestedLoop {
    QEventLoop* loop;
    bool quitting;
};

std::vector<NestedLoop> gNestedLoops;
bool gApplicationLoopRunning = false;
// A quit asked for before the loop ran: the loop then returns at once.
bool gApplicationQuitPending = false;
// A quit asked for while the loop runs, until the loop returns.
bool gApplicationQuitAsked = false;

// Enough rounds of handling to drain what handlers post for each other, few enough that a steady stream
// of events cannot hold the caller.
constexpr int kMaxPendingRounds = 64;

constexpr UInt64 kMicrosPerTick = 1'000'000 / 60;

} // namespace

void RunApplicationEventLoop() {
    if (!QCoreApplication::instance()) return;
    if (gApplicationQuitPending) {
        gApplicationQuitPending = false;
        return;
    }
    gApplicationLoopRunning = true;
    gApplicationQuitAsked = false;
    ArmEventLoopTimer();
    QCoreApplication::exec();
    gApplicationLoopRunning = false;
    gApplicationQuitAsked = false;
}

// exit() rather than quit(): the toolkit's quit asks every window to close first, and closing is the
// program's decision.
void QuitApplicationEventLoop() {
    if (gApplicationLoopRunning) {
        gApplicationQuitAsked = true;
        QCoreApplication::exit(0);
    } else
        gApplicationQuitPending = true;
}

bool IsApplicationEventLoopQuitPending() {
    return gApplicationQuitPending || (gApplicationLoopRunning && gApplicationQuitAsked);
}

void ProcessPendingEvents(SInt32 maxMillis) {
    FireDueTimers();
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return;
    QDeadlineTimer deadline(maxMillis > 0 ? maxMillis : 0);
    for (int round = 0; round < kMaxPendingRounds; ++round) {
        // Called from inside the handling of a posted event (a click whose tracking loop waits for the
        // release), the dispatcher sees no new posted events and would leave those queued behind it;
        // delivering them here lets the loop see the release that already waits.
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents)) break;
        if (maxMillis > 0 && deadline.hasExpired()) break;
    }
}

void RunNestedEventLoop() {
    if (!QCoreApplication::instance()) return;
    QEventLoop loop;
    gNestedLoops.push_back(NestedLoop{&loop, false});
    // Timers that fell due under the fake clock fire as soon as the loop runs.
    ArmEventLoopTimer();
    loop.exec();
    gNestedLoops.pop_back();
}

void QuitNestedEventLoop() {
    for (auto it = gNestedLoops.rbegin(); it != gNestedLoops.rend(); ++it) {
        if (it->quitting) continue;
        it->quitting = true;
        it->loop->exit(0);
        return;
    }
}

SInt32 NestedEventLoopDepth() {
    return SInt32(gNestedLoops.size());
}

void CallAfterCurrentEvent(void (*proc)(void* userData), void* userData) {
    if (!QCoreApplication::instance()) return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [proc, userData] { proc(userData); }, Qt::QueuedConnection);
}

void Delay(UInt32 ticks, UInt32* finalTicks) {
    if (IsClockFake()) {
        for (UInt32 i = 0; i < ticks; ++i) {
            AdvanceFakeClock(1);
            ProcessPendingEvents();
        }
    } else if (QCoreApplication::instance()) {
        UInt64 end = MonotonicMicroseconds() + UInt64(ticks) * kMicrosPerTick;
        QEventLoop loop;
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
        for (UInt64 now = MonotonicMicroseconds(); now < end; now = MonotonicMicroseconds()) {
            wake.start(int((end - now + 999) / 1000));
            // The loop refuses to run once the application is quitting.
            if (loop.exec() < 0) break;
        }
    }
    if (finalTicks) *finalTicks = TickCount();
}
