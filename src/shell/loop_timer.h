// The one repeating timer that drives the program: installed at start-up and re-installed at the other
// rate by every switch between edit and scroll mode.
#pragma once

#include "platform/timers.h"

// The installed timer, null when none.
extern EventLoopTimerRef gTheTimer;

constexpr EventTimerInterval kEditTimerInterval = kEventDurationSecond / 30;
constexpr EventTimerInterval kScrollTimerInterval = kEventDurationSecond / 60;
constexpr EventTimerInterval kTimerFirstFire = kEventDurationSecond / 5;

// Removes the current timer, if any, and installs a new one that first fires kTimerFirstFire from now and
// then every interval, calling TimerAction.
void InstallLoopTimer(EventTimerInterval interval);
void RemoveLoopTimer();
