// The cue marker: its icon, where it stands in the cue column, how far along the scroll axis it is, and
// the script characters at the cue, at the reading position and under a point of the window.
#pragma once

#include "platform/color_icons.h"
#include "platform/drawing.h"

// Width of the cue column.
extern SInt16 gCueWidth;
// The cue spot is worked out again before the cue is next drawn.
extern bool gCueSpotChanged;
// The cue column (window coordinates of the unrotated layout).
extern Rect gCueRect;
// The marker's icon, null when none is loaded (the arrow is drawn then).
extern CIconHandle gTheCue;
// The icon's hot spot record: [0] the marked row's distance from the icon's top in upright output, [4] the
// same in flipped output; the other values are kept but not used.
constexpr int kCueHotValues = 8;
extern SInt16 gCueHot[kCueHotValues];
// Where the marker stands, as GetCueSpotRect last worked it out.
extern Rect gCueSpot;
// How far along the cue column (0 to 1) a marker placed by dragging stands.
extern double gCuePositionPercent;

// The arrow drawn without an icon: the cue column's width and the arrow's height.
constexpr SInt16 kCueArrowWidth = 16;
constexpr SInt16 kCueArrowHeight = 13;

// Loads the icon named by the preferences (when none is loaded) and its hot spot record, and sets the cue
// column's width from it.
void GetCue();
void DisposeCue();
// Fills gCueHot from a hot spot record's big-endian bytes: the first 16 bytes count, and values the
// record is too short for are 0. Null or empty data clears it.
void SetCueHotFromBytes(const UInt8* data, Size size);
// Where the marker stands in the cue column for the settings, the rotation and the scrolling state.
void GetCueSpotRect(Rect* out);
// The cue's place along the scroll axis, in pixels from the text rectangle's leading edge.
SInt16 GetCueScrollRectPosition();
// The same from the window's matching edge, and in the text's drawing frame.
SInt16 GetCueScreenPosition();
SInt16 GetCueDestRectPosition();
// Draws the cue marker again where it stands, into the current port.
void UpdateCueMark();
// The same into the prompter window.
void DrawCueMark();
// Moves r with its frame from `from` to `to`; when the frames' heights differ, r's top keeps its share of
// the height.
void AdjustRectCue(const Rect* from, const Rect* to, Rect* r);

// The character at the cue; where, when given, receives the vertical coordinate looked at.
SInt32 GetScrollCuePositionCharacter(SInt16* where);
// The character being read: at the cue or the top, moved on by the part of its line already passed.
SInt32 GetScrollReadPositionCharacter();
// The character at the cue (positions measured from the cue) or at the top of the text.
SInt32 GetScrollAdjustedCharacter();
// The character under a point of the prompter window, undoing the output's rotation, mirror and flip.
SInt32 GetScreenPositionCharacter(Point where);
// The point of the upright prompter text that shows at a window point (rotation and mirroring undone).
Point GetScreenPositionTextPoint(Point where);
// At most count (up to 255) characters of the script from offset, control characters shown as "."; past
// the end of the script, the no-text label. The string lives in a buffer the next call overwrites.
StringPtr GetScrollTextAtCharacter(SInt32 offset, SInt16 count);
