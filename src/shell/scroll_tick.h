// The scroll-mode branch of the timer: owed pixels from elapsed ticks, then the text moved.
#pragma once

#include "platform/types.h"

// One scroll step at tick `now`.
void DoScrollTick(UInt32 now);
