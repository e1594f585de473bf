// The cue marker: its icon, where it stands in the cue column, how far along the scroll axis it is, and
// the script characters at the cue, at the reading position and under a point of the window.
#pragma once

#include "platform/drawing.h"

// Width of the cue column.
extern SInt16 gCueWidth;
// The cue spot is worked out again before the cue is next drawn.
extern bool gCueSpotChanged;
// The cue column (window coordinates of the unrotated layout).
extern Rect gCueRect;

void GetCue();
// The character at the cue; where, when given, receives the vertical coordinate looked at.
SInt32 GetScrollCuePositionCharacter(SInt16* where);
// The cue's place along the scroll axis, in pixels from the text rectangle's leading edge.
SInt16 GetCueScrollRectPosition();
// The character at the reading position, adjusted for the part of its line already read.
SInt32 GetScrollAdjustedCharacter();
// Draws the cue marker again over the text where it stands.
void UpdateCueMark();
// At most count (up to 255) characters of the script from offset, control characters shown as "."; past
// the end of the script, the no-text label. The string lives in a buffer the next call overwrites.
StringPtr GetScrollTextAtCharacter(SInt32 offset, SInt16 count);
