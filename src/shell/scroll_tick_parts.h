// The parts of one scroll tick, for the tick's own files: the speed ramp, the accumulation of owed pixels
// and the move with what follows it.
#pragma once

#include "platform/types.h"

// The most pixels one step asks the text to move (the scroll step's "to the far end"), and the longest
// bookmark pause that still counts in ticks.
constexpr SInt32 kMaxPixelsPerStep = 0x3FFFFFFF;
constexpr SInt32 kMaxBookmarkPauseSeconds = 0x7FFFFFFF / 60;

// Moves the speed and the direction one step towards the wanted ones, when ramping is on.
void RampScrollSpeed();
// Adds the pixels owed for the ticks since gLastScrollTick and stops at a bookmark reached.
void AccumulateScrollDistance(UInt32 now);
// The whole pixels of an owed amount, truncated toward zero; 0 for a non-finite amount.
SInt32 WholePixelsOwed(double owed);
// Pays the whole pixels owed: the background steps, the text moves, the end of the text is handled.
void MoveOwedPixels();
