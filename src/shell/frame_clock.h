// The ticks the scroll moves by: whole frames counted from the due times of the loop timer's fires, so
// that a fire that comes a little late still moves the text by exactly one frame.
#pragma once

#include "platform/types.h"

// The loop timer's fire in progress was due at this MonotonicMicroseconds time; 0 outside a fire.
extern UInt64 gLoopTimerDueMicros;

// The tick for a fire due at `dueMicros`: the last one plus the whole frames (1/60 s, rounded to the
// nearest) between the two due times. It stays within a tick or two of `ticksNow` (TickCount), and starts
// again from it after a gap in the count or a clock that went back.
UInt32 FrameTickForDueTime(UInt64 dueMicros, UInt32 ticksNow);
// The tick the scroll tick runs at now: the frame tick of the loop timer's fire, or ticksNow outside one.
UInt32 ScrollFrameTick(UInt32 ticksNow);
// The next frame tick starts from TickCount again, as when a scroll starts.
void ForgetFrameTicks();
