// Colour tolerance tests on 32-bit pixels: one target with a percent, or a table of up to four colour
// ranges (the colour keys of overlays and of the compositor).
#pragma once

#include "platform/types.h"

// Four entries held as seven arrays: entry i is enabled[i] and the inclusive ranges of its 8-bit red,
// green and blue components.
struct ColorToleranceTable {
    SInt16 enabled[4];
    SInt16 redMin[4];
    SInt16 redMax[4];
    SInt16 greenMin[4];
    SInt16 greenMax[4];
    SInt16 blueMin[4];
    SInt16 blueMax[4];
};
static_assert(sizeof(ColorToleranceTable) == 56);

// The half-width of a tolerance range in 8-bit units: percent x 2.56, truncated.
SInt32 ToleranceFromPercent(SInt32 percent);
// True when each of red, green and blue of the pixel lies within the percent's tolerance of the target's.
bool ColorMatchWithTolerance(const UInt32* pixel, const UInt32* target, long percent);
// True when an enabled entry of the table holds the pixel's red, green and blue.
bool ColorMatchWithTolerances(const UInt32* pixel, const ColorToleranceTable* table);
