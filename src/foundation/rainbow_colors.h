// The rainbow colours of the compositor's mode 6 and the stripes' phase kept between calls.
#pragma once

#include "foundation/offscreen_copy_rules.h"

// Loads 'Rnbw' 128 the first time a call needs it; false when there are no colours.
bool EnsureRainbowColors();
// Moves the phase on by one call and starts the context's indexes, pixel counter and colours from it.
void StartRainbowPhase(CopyContext& context);
// Keeps the indexes and the pixel counter the call ended with.
void StoreRainbowPhase(const CopyContext& context);
