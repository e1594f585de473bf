// Dragging on the prompter: the rubber band (a rectangle, oval or line spanned from the press to the
// mouse), the marks the prompter draws that the operator moves (the cue marker, the background picture,
// the text box, a colour swatch, a group of tab stops), and the mouse-up that ends either and keeps the
// result. Feedback is drawn in exclusive-or, so drawing it twice takes it away.
#pragma once

#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/windows.h"

// Shapes stay square and lines straight (horizontal or vertical) while set.
extern bool geeLockSquare;
// A rubber band drag, or the move of a mark, is running.
extern bool HeyImDraggingARect;
extern bool HeyImMovingAUnit;
// The rubber band as last drawn; for a line (top, left) is one end and (bottom, right) the other.
extern Rect gRubberlastrect;
// The mouse at the last step; (-1, -1) before the first.
extern Point gRubberlastpoint;
// The band runs leftward, upward from where it began.
extern UInt16 gRubberRightToLeft;
extern UInt16 gRubberBottomToTop;

// What a moved mark is.
enum : UInt16 {
    kShiftingCue = 0,
    kShiftingPicture = 1,
    kShiftingTextBox = 2,
    kShiftingSwatch = 3,
    kShiftingTabs = 4,
};
extern UInt16 gWhatsShifting;
// The mark moved, the outline's clip, where the move began and where the mouse was at the last step, and
// the distance moved so far.
extern Rect gShiftingRect;
extern Rect gShiftLimitRect;
extern Point MoveUnitStart;
extern Point MoveUnitCurrent;
extern Point UnitOffset;

enum : SInt16 { kRubberPortWindow = 1, kRubberPortDialog = 2 };
enum : SInt16 { kRubberRectangle = 1, kRubberOval = 2, kRubberLine = 3 };

// The shape spanned from origin to mouse, as a step of the band computes it: the square lock (which makes
// a line vertical or horizontal), then the sides of each axis that is not locked; a locked axis keeps
// the sides of `last`. A line is not ordered: (top, left) is origin and (bottom, right) the mouse.
Rect RubberShapeFor(Point origin, Point mouse, SInt16 shape, const Rect& last, bool lockHorizontal,
                    bool lockVertical, bool lockSquare);

// One step of a rubber band drag from geeMouseDownPosition to the event's mouse point, in the window's
// (portKind 1) or the dialog's (2) port. The first step forgets the last point, and the last rectangle
// too unless an axis is locked. Feedback is drawn only while HeyImDraggingARect is set.
void RubberRect(bool first, const EventRecord* event, void* window, SInt16 portKind, SInt16 shape);
// The same step at a point local to the port; the feedback is drawn when draw is set, and a step that is
// not the first always takes the last feedback away first.
void RubberStepInPort(bool first, Point mouse, GrafPtr port, SInt16 shape, bool draw);
// Pen colours back to the prompter text's colour on its background colour.
void RestorePrompterColors();

// Draws the outline of a moved mark in exclusive-or in red: the moving tab stops while a group of stops
// is dragged, else the rectangle offset by UnitOffset and clipped to gShiftLimitRect.
void TrackActors(WindowPtr window, const Rect* rectangle);

// One step of moving a mark in the prompter to the current event's mouse point: the outline follows it.
// The move never takes the mark out of gShiftLimitRect when that rectangle holds it.
void ShiftUnits(bool final, const Rect* rectangle);

// Starts moving the rectangle of `what` from the point (local to the prompter), kept within limit, and
// draws its outline; the mouse-up ends the move.
void BeginMovingMark(UInt16 what, const Rect& rectangle, Point start, const Rect& limit);
// Starts a rubber band on the prompter from geeMouseDownPosition, its mouse kept within limit; the
// rectangle it gives becomes the text box (bytes 674-681), or the background picture's rectangle.
enum : SInt16 { kBandMakesTextBox = 0, kBandMakesPictureRect = 1 };
void BeginPrompterRubberBand(const Rect& limit, SInt16 makes);
// Follows the mouse with the running drag while the button is held, one step per movement, and ends the
// drag when the button is up (whether or not the release came as an event). False when no drag ran.
bool FollowPrompterDrag();

// The application's mouse-up: ends a drag that is running, keeps what it changed and redraws.
void DoMouseUp(const EventRecord* event);
