// Pausing the scroll and the delayed start.
#pragma once

#include "platform/types.h"

extern SInt16 gDelayScroll;

void PauseOn();
void PauseOff(SInt16 flag);

// The text is paused.
bool IsPaused();
