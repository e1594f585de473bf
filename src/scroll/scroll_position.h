// The prompter's scroll position: moving the text by pixels or to a character, and keeping the scroll
// bar and the text metrics up to date.
#pragma once

#include "platform/drawing.h"
#include "platform/types.h"
#include "textengine/text_engine_types.h"

#include <span>

// Pixels the prompter text has moved on from its start: 0 at the start, negative as it moves on; kept in
// [-gScrollExtraHeight, 0] by the scroll step.
extern double gScrollCurrentPos;
// Blank lines added before and after the text while it loops.
extern SInt32 gNumBlankLinesNeeded;
// Height of the whole text, the text rectangle's extent along the scroll direction, and the pixels the
// text can scroll (negative when it is shorter than the rectangle).
extern SInt32 gScrollTextHeight;
extern SInt32 gScrollTextRectHeight;
extern SInt32 gScrollExtraHeight;
// While set, moving the text does not drive the highlight at the cue.
extern bool gInhibitHightlight;

// The prompter's vertical scroll bar: its values and reference (the page step in bar units).
struct ScrollBarValues {
    SInt16 minimum = 0;
    SInt16 maximum = 0;
    SInt16 value = 0;
    SInt32 reference = 0;
};
extern ScrollBarValues gVScrollScroll;
// Pixels per scroll-bar unit, and one page of the text rectangle less a line.
extern double gVScrollScrollDivisor;
extern SInt16 gScrollPageScrollSize;

// A pending SaveScrollPositionandReset (0 or 1), the position it saved and the clip it replaced.
extern SInt32 gSaveScrollPositionCount;
extern double gScrollOffset;
extern RgnHandle gScrollClipRgn;

// Moves the text by pixels (negative towards its end) and returns the pixels moved. Mode 0 clamps, moves,
// draws and keeps the position and bar; mode 1 moves without clamping and leaves the position to the
// caller; mode 2 only returns the clamped amount.
SInt32 ScrollScrollThisMuch(SInt32 pixels, SInt16 mode);
// The pixels the text can move of those asked, at the current position and extra height.
SInt32 ClampScrollPixels(SInt32 pixels);
// Scrolls so that the character stands at the cue (positions measured from the cue) or at the top.
void ScrollScrollToCharacter(SInt32 offset, SInt16 mode);
// Brings the next set bookmark in the direction (1 on, -1 back) to the cue.
void ScrollJumpToBookmark(SInt16 direction);
SInt32 ScrollScrollToBeginning(SInt16 mode);
SInt32 ScrollScrollToEnd(SInt16 mode);
// Moves by pixels in steps that double and then halve again, drawing each.
void JumpScroll(SInt32 pixels);
// The steps of that move, signed, into steps; returns how many. kMostJumpSteps holds any 32-bit move.
constexpr size_t kMostJumpSteps = 128;
SInt32 PlanJumpScroll(SInt32 pixels, std::span<SInt32> steps);
// Reads the position back from where the text engine holds the first line, and sets the bar from it.
void GetCurrentScrollPos();
// Measures the text again and works out the pacing distance from it.
void ScrollRecalText();
// A long script is laid out as far as it is shown when it opens; the timer lays out the rest a piece at a
// time (smaller pieces while it scrolls) and, once every line is known, measures the text again.
void ContinueScrollTextLayout();
void SetScrollWindowScrolls();
// A 16-bit bar maximum for a 32-bit range, and the exact pixels per bar unit in ratio.
SInt16 GetScrollAdjustedValues(SInt32 range, double* ratio);
// Moves the text by a change of the prompter bar's value.
void VScrollScrollGlue(SInt16 newValue, SInt16 oldValue);
// Moves a text by a change of its bar's value (new, old).
using ScrollBarGlue = void (*)(SInt16 newValue, SInt16 oldValue);
// Live tracking of a text scroll bar's thumb pressed at startV: while the button is down, the value
// follows the mouse over the bar's length (less its arrows) and each change is handed to the glue, so
// the text moves with the thumb. The mouse is read in the current port.
void ScrollLiveScroll(ScrollBarValues* bar, const Rect* barRect, SInt16 startV, ScrollBarGlue glue);
// The prompter's bar: the 15-pixel column at the window's right edge above the size box.
Rect GetPrompterScrollBarRect();
// Draws the prompter's bar from the scroll position while scrolling; unless always, only when its thumb
// moved.
void DrawPrompterScrollBar(bool always);
// ScrollLiveScroll on the prompter's bar, in its port.
void PrompterLiveScroll(SInt16 startV);
// Dragging the text with the mouse pressed at start: it follows every movement along the scroll axis
// until the button is let go, and returns 1. With tracking it first waits up to a second for the pointer
// to move, and returns 0 when it was let go or held still.
SInt16 DragScrollRect(Point start, bool tracking);
// The pixels a pointer moved from one point to another moves the text: along the scroll axis as the
// output shows it while scrolling (turned, flipped), straight down in edit mode.
SInt32 DragAlongScrollAxis(Point from, Point to);
// Remembers the scroll position and scrolls back to the start; RestoreScrollPosition returns there. The
// pair does not nest: an unpaired call only beeps.
void SaveScrollPositionandReset();
void RestoreScrollPosition();
// Adding and removing the blank lines that let the text scroll fully in and out; 0 without text.
SInt16 AddScrollLoopingText();
SInt16 RemoveScrollLoopingText();

// Where the scroll axis starts in the prompter text's drawing frame: the text rectangle's top, or the
// edge it turns to while the output is rotated.
SInt32 GetScrollLeadingEdge();
// The character dy pixels from the leading edge, and the first character shown.
SInt32 GetScrollMiddleofScreenCharacter(SInt32 dy);
SInt32 GetScrollZeroPositionCharacter();
// How far the view's top lies into the line of offset, in line heights.
double GetScrollZeroPositionInLine(SInt32 offset);
// Signed pixels to scroll to bring the offset's line to the leading edge (or the cue); 0x7FFFFFFF for a
// negative offset.
SInt32 GetScrollDistanceToCharacter(SInt32 offset);

bool IsPrintable(UInt8 byte);
// The background kinds drawn through the shared background world gMatrixPort.
bool ThisScrollAgainstNeedsMatrixPort(SInt16 kind);
// Smoothing: the midpoint of the previous result and value.
double ApplyMomentum(double value);
