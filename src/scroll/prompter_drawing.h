// Drawing the prompter: the cue marker and its column, the background picture and the redraw of the
// whole window.
#pragma once

#include "platform/drawing.h"

// Width of the cue column.
extern SInt16 gCueWidth;
// The cue spot is worked out again before the cue is next drawn.
extern bool gCueSpotNeedsRecalc;
// The cue column and the frame of the background picture (window coordinates of the unrotated layout).
extern Rect gCueRect;
extern Rect gPictureRect;
// The background picture, null when none.
extern PicHandle gThePicture;
// The tab ruler shows above the text (edit mode only).
extern bool gTabBarShowing;

void GetCue();
void UpdateScrollWindow();
// The character at the cue; flag 0 looks only, without moving anything.
SInt32 GetScrollCuePositionCharacter(SInt16 flag);
// At most count (up to 255) characters of the script from offset, control characters shown as "."; past
// the end of the script, the no-text label. The string lives in a buffer the next call overwrites.
StringPtr GetScrollTextAtCharacter(SInt32 offset, SInt16 count);
// The cue's place along the scroll axis, in pixels from the text rectangle's leading edge.
SInt16 GetCueScrollRectPosition();
void DrawScrollPicture(SInt16 h, SInt16 v);
// The character at the reading position, adjusted for the part of its line already read.
SInt32 GetScrollAdjustedCharacter();
// Draws the cue marker again over the text where it stands.
void UpdateCueMark();
