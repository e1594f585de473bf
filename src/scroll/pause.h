// Pausing the scroll and the delayed start.
#pragma once

#include "platform/types.h"

extern SInt32 gDelayScroll;

void PauseOn();
void PauseOff(SInt16 flag);

// The text is paused.
bool IsPaused();
// Until pausing is built, tests set the pause; PauseOff ends it as the real one will.
void SetPausedForTesting(bool paused);
