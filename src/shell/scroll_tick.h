// The scroll-mode branch of the timer: owed pixels from elapsed ticks, then the text moved.
#pragma once

#include "platform/types.h"

// The tick of the current scroll-mode call, the tick up to which elapsed time has become owed pixels, and
// where the smoothness countdown last counted (moved on by paused time).
extern UInt32 gCurrentScrollTick;
extern UInt32 gLastScrollTick;
extern UInt32 gLastTicksForTimer;
// Extra ticks the next countdown takes off.
extern SInt32 gTicksForTimer;
// The last scroll step did not stop at an end of the text.
extern SInt16 gIScrolled;
// The queue script to open next, and whether one is to be opened.
extern SInt16 nexttoskipto;
extern bool skiptonext;

// One scroll step at tick `now`.
void DoScrollTick(UInt32 now);
// Makes `now` the start of the scroll's elapsed time and of the smoothness countdown.
void StartScrollTickClock(UInt32 now);
