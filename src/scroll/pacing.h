// Pacing: how far the text moves per timer tick, how many ticks pass between scroll steps, and the
// speed changes asked for by keys, wheel, toolbar and timer.
#pragma once

#include "platform/types.h"

#include <cmath>

// Pixels per tick (60 ticks a second) the prompter text must move, and the same averaged over the text.
extern double gScrollDistance;
extern double gAverageScrollDistance;
// The timer divides the owed pixels by this each tick.
extern double gSpeedDivisor;
// While set, the tick moves nothing but keeps owing pixels (line-by-line and page-by-page smoothness).
extern UInt8 gInhibitScroll;
// The speed kept while scrolling starts paused, and the ramp step per tick (0 without ramping).
extern SInt32 gSaveScrollAmount;
extern SInt16 gScrollDif;
// Owed pixels (negative forward) and ticks until the next scroll step; the timer keeps both.
extern double gScrollThis;
extern SInt32 gTimer;

// The pacing modes, preference kPrefPacingMode.
enum PacingMode : SInt16 {
    kPaceSpeed = 0,
    kPaceCharactersPerSecond = 1,
    kPaceFinishTime = 2,
    kPaceLinesPerMinute = 3,
    kPaceSyllablesPerMinute = 4,
    kPaceSynchronized = 5
};

// Smoothness settings that gate the steps instead of spacing them.
inline constexpr SInt32 kSmoothLineByLine = 13;
inline constexpr SInt32 kSmoothPageByPage = 14;

// A rate of 0, an empty text or equal syllable times divide by zero; the text then stands still rather
// than leaping to an end.
inline double FiniteOrZero(double distance) {
    return std::isfinite(distance) ? distance : 0.0;
}

// Works out gScrollDistance and gAverageScrollDistance again from the pacing mode and its rate.
void CalculateScrollDistance();
// Pixels per tick that carry the cue line past the cue at the set rate (modes 1, 3, 4) or reach the
// synchronised target (mode 5). callMode 2 may answer the cached result for the same cue character,
// 1 recomputes and caches, 3 recomputes without caching. Other modes answer gScrollDistance.
double CalculateScrollDistanceThisLine(SInt16 callMode);
// The synchronised mode's distance per tick. With flag 1 only gInhibitScroll is decided.
double CalculateSynchronizedDistanceInstantaneous(SInt16 flag);
// Ticks until the next scroll step for a smoothness setting; callMode 1 when scrolling starts or resumes,
// 2 on each due step.
SInt32 SaveTimertoTimerDelay(SInt32 smoothness, SInt16 flag);

// Sets the rate of the current pacing mode (for finish time, total seconds) and works out the distance
// per tick again.
void ChangeScrollSpeed(SInt32 speed);
// Forgets the cached per-line and synchronised distances, as a new script or start-up does.
void ResetPacingCaches();
// Asks for the time the script should finish at in its dialog.
void GetFinishTime();
