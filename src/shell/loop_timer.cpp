// The program's loop timer and the callback that hands each fire to TimerAction.
#include "shell/loop_timer.h"

#include "shell/shell.h"

EventLoopTimerRef gTheTimer = nullptr;

namespace {

void FireLoopTimer(EventLoopTimerRef, void*) {
    TimerAction();
}

} // namespace

void RemoveLoopTimer() {
    if (!gTheTimer) return;
    RemoveEventLoopTimer(gTheTimer);
    gTheTimer = nullptr;
}

void InstallLoopTimer(EventTimerInterval interval) {
    RemoveLoopTimer();
    if (InstallEventLoopTimer(kTimerFirstFire, interval, FireLoopTimer, nullptr, &gTheTimer) != noErr)
        gTheTimer = nullptr;
}
