// Pacing: how far the text moves per timer tick.
#pragma once

#include "platform/types.h"

// The speed kept while scrolling starts paused.
extern SInt32 gSaveScrollAmount;
extern double gScrollDistance;
extern double gScrollThis;
extern SInt32 gTimer;

SInt32 SaveTimertoTimerDelay(SInt32 smoothness, SInt16 flag);
// mode 1 starting, 3 ending.
double CalculateScrollDistanceThisLine(SInt16 mode);

// Sets the speed of the current pacing mode and works out the distance per tick again.
void ChangeScrollSpeed(SInt32 speed);
