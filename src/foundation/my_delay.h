// Waiting a number of ticks while the program goes on.
#pragma once

#include "platform/types.h"

// Waits `ticks` ticks (1/60 s), handling events and running the main timer's step once at the start and
// once each time the tick count moves; stores the final tick count when endTicks is given.
void MyDelay(UInt32 ticks, UInt32* endTicks);
