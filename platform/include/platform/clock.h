// The program's clocks: ticks of 1/60 s since start-up from a monotonic clock, and the local date and
// time as seconds since midnight, 1 January 1904. Tests replace both with a fake that moves only when
// told to.
#pragma once

#include "platform/types.h"

UInt32 TickCount();
// Local wall-clock time in seconds since 1904-01-01 00:00.
void GetDateTime(UInt32* secs);
UInt32 CurrentDateTime();
// Microseconds from the monotonic clock (or the fake one), for measuring short spans and for timers.
UInt64 MonotonicMicroseconds();

// The fake clock: once installed, TickCount and the date-time return the fake values until
// UseRealClock is called.
void UseFakeClock(UInt32 ticks, UInt32 dateTime);
void AdvanceFakeClock(UInt32 ticks);
void AdvanceFakeClockMicroseconds(UInt64 microseconds);
void UseRealClock();
bool IsClockFake();

// Seconds between 1904-01-01 and the Unix epoch.
constexpr UInt32 kSecondsFrom1904To1970 = 2082844800u;
