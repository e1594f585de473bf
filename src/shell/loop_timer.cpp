// The program's loop timer and the callback that hands each fire to TimerAction.
#include "shell/loop_timer.h"

#include "shell/frame_clock.h"
#include "shell/shell.h"

EventLoopTimerRef gTheTimer = nullptr;

namespace {

void FireLoopTimer(EventLoopTimerRef timer, void*) {
    // A nested loop inside the step fires the timer again; the outer step keeps its own due time.
    const UInt64 outer = gLoopTimerDueMicros;
    gLoopTimerDueMicros = GetEventLoopTimerDueMicroseconds(timer);
    TimerAction();
    gLoopTimerDueMicros = outer;
}

} // namespace

void RemoveLoopTimer() {
    if (!gTheTimer) return;
    RemoveEventLoopTimer(gTheTimer);
    gTheTimer = nullptr;
}

void InstallLoopTimer(EventTimerInterval interval) {
    RemoveLoopTimer();
    if (InstallEventLoopTimer(kTimerFirstFire, interval, FireLoopTimer, nullptr, &gTheTimer) != noErr) {
        gTheTimer = nullptr;
        return;
    }
    // The scroll steps with the display's frames where they can be followed (chosen once at start-up).
    if (interval == kScrollTimerInterval) SetEventLoopTimerFollowsDisplay(gTheTimer, true);
}
