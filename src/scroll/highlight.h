// Highlighting the line, the word or the speed-reading words at the cue.
#pragma once

#include "platform/types.h"

// mode 1 starts, 3 ends.
void HighlightLineAtCue(SInt16 mode);
void HighlightWordAtCue(SInt16 mode, SInt16 flag);
void HighlightSpeedReading(SInt16 mode, SInt16 flag);
