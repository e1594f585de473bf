// What the pacing files share among themselves: the text measures they bring up to date before
// measuring, and the synchronised distance's memory.
#pragma once

#include "platform/types.h"

inline constexpr double kTicksPerSecond = 60.0;

// Counts words, lines and syllables again when there are none yet or the script was edited.
void MeasureScriptTextIfChanged();
// The pixels the text can scroll, never below 0: a text shorter than its rectangle paces at 0.
double ScrollableHeight();
// Forgets the last synchronised distance.
void ResetSynchronizedDistance();
