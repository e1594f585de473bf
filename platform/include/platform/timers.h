// Event-loop timers: a first fire after a delay, then one every interval, always on the event loop's
// thread, also inside nested loops. A timer whose procedure is still running (it opened a dialog, say)
// is not fired again until it returns. Under the fake clock timers fire as the fake time passes.
#pragma once

#include "platform/types.h"

struct EventLoopTimer;
using EventLoopTimerRef = EventLoopTimer*;
using EventLoopTimerProc = void (*)(EventLoopTimerRef timer, void* userData);
using EventTimerInterval = double; // seconds

constexpr EventTimerInterval kEventDurationSecond = 1.0;
constexpr EventTimerInterval kEventDurationMillisecond = 0.001;
constexpr EventTimerInterval kEventDurationForever = -1.0;

// interval 0 fires once.
OSStatus InstallEventLoopTimer(EventTimerInterval firstDelay, EventTimerInterval interval,
                               EventLoopTimerProc proc, void* userData, EventLoopTimerRef* outTimer);
OSStatus RemoveEventLoopTimer(EventLoopTimerRef timer);
OSStatus SetEventLoopTimerNextFireTime(EventLoopTimerRef timer, EventTimerInterval nextFire);
// The monotonic time (MonotonicMicroseconds) at which the timer's current or last fire was due: fires come
// a little late, but their due times keep the interval exactly. 0 before the first fire.
UInt64 GetEventLoopTimerDueMicroseconds(EventLoopTimerRef timer);
// A repeating timer that follows the display fires as the display begins a frame (every frame, or every
// second one for a timer at half the display's rate) while the frames come (display_frames.h); when a
// frame has not come half an interval after the timer was due, the timer fires by its own clock, and it
// goes on so until the frames come again. Without the display's frames it is an ordinary timer.
OSStatus SetEventLoopTimerFollowsDisplay(EventLoopTimerRef timer, bool follows);
// Fires every timer that is due now; the event loop does this by itself.
void FireDueTimers();
