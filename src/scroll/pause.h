// Pausing the scroll and the delayed start.
#pragma once

#include "platform/types.h"

// Ticks still to wait before the text moves; the timer counts it down while paused.
extern SInt32 gDelayScroll;
// Set while paused.
extern bool gPaused;

void PauseOn();
// keepMusic set leaves the music's time alone.
void PauseOff(SInt16 keepMusic);
// The text is paused: with speed ramping only once the speed has run down to 0.
bool IsPaused();
// The largest start delay in seconds: its ticks still fit the 32-bit count.
constexpr SInt32 kMaxDelaySeconds = 0x7FFFFFFF / 60;
// Starts a pause that ends by itself after seconds (clamped to 0 .. kMaxDelaySeconds).
void DelayScrollStart(SInt32 seconds);
// The start delay dialog: asks for seconds and, on OK, pauses for that long.
void GetBeginDelay();
