// The styled-text engine's public operations: creating records, reading their lines, runs, text and
// selection, exchanging style runs, and lists of selected ranges.
#pragma once

#include "textengine/text_engine_types.h"

struct DragRecord;

// Non-zero while a caller selects many ranges in a row; selection setting then hilites none of them.
extern SInt16 gInhibitWEHiliting;

// Creating and disposing of records.
OSErr WENew(const LongRect* destRect, const LongRect* viewRect, UInt32 features, WEReference* we);
void WEDispose(WEReference we);

// Whole-text operations.
OSErr WEUseText(Handle text, WEReference we, Boolean keepStyles);
OSErr WECalText(WEReference we);
OSErr WECalBreaks(WEReference we);
OSErr WEFindVisibleLines(WEReference we, SInt32* firstLine, SInt32* lastLine, SInt32* firstOffset,
                         SInt32* lastOffset);

// Style scraps: a 16-bit count (with or without two more header bytes) and 20-byte elements.
OSErr WEPasteStylesOnly(Handle styleScrap, WEReference we, SInt16 flags, SInt32 limit);
OSErr WECombineStyles(Handle appended, Handle extended, SInt32 firstTextLength);
SInt16 SwapStyle(Handle styleScrap, SInt16 wideHeader);

// Lines and runs.
// A long text's lines are broken as far as it is shown; further on, the line table holds one provisional
// line per paragraph (counts and heights estimated) until WEContinueLayout has gone through it all.
SInt32 WECountLines(WEReference we);
Boolean WEHasProvisionalLines(WEReference we);
// Breaks about characters more of the provisional lines for real; answers whether any were left to break.
Boolean WEContinueLayout(SInt32 characters, WEReference we);
SInt32 WEOffsetToLine(SInt32 offset, WEReference we);
SInt32 WELineToOffset(SInt32 line, WEReference we);
void WEGetLineRange(SInt32 line, SInt32* start, SInt32* end, WEReference we);
SInt32 WEGetHeight(SInt32 startLine, SInt32 endLine, WEReference we);
SInt32 WECountRuns(WEReference we);
SInt32 WEOffsetToRun(SInt32 offset, WEReference we);
void WEGetRunRange(SInt32 run, SInt32* start, SInt32* end, WEReference we);
void WEGetRunInfo(SInt32 offset, WERunInfo* info, WEReference we);
SInt32 WEOffsetToRunFromScrap(SInt32 offset, Handle styleScrap);
void WEGetRunInfoFromScrap(SInt32 offset, WERunInfo* info, Handle styleScrap);

// Text and selection.
Handle WEGetText(WEReference we);
SInt32 WEGetTextLength(WEReference we);
UInt8 WEGetChar(SInt32 offset, WEReference we);
Boolean WEGetSelection(SInt32* start, SInt32* end, SInt32 index, WEReference we);
SInt32 WEGetNumberSelections(WEReference we);
SInt32 WEGetRealNumberSelections(WEReference we);
SInt32 WECountSelected(SInt32* start, SInt32* end, WEReference we);
void WEGetDestRect(LongRect* rect, WEReference we);
void WESetDestRect(const LongRect* rect, WEReference we);
void WEGetViewRect(LongRect* rect, WEReference we);
SInt16 WEFeatureFlag(SInt16 feature, SInt16 action, WEReference we);
UInt32 WEGetModCount(WEReference we);
void WEResetModCount(WEReference we);

// Information selectors: value points at storage of the field's size (a hook, a handle, a port or 32 bits).
OSErr WEGetInfo(OSType selector, void* value, WEReference we);
OSErr WESetInfo(OSType selector, const void* value, WEReference we);
OSErr WESetUserInfo(OSType tag, SInt32 value, WEReference we);
OSErr WEGetUserInfo(OSType tag, SInt32* value, WEReference we);

// Long coordinates.
void WELongRectToRect(const LongRect* longRect, Rect* rect);
void WERectToLongRect(const Rect* rect, LongRect* longRect);
void WESetLongRect(LongRect* rect, SInt32 left, SInt32 top, SInt32 right, SInt32 bottom);

// Lists of selected ranges. Each works on a count and the two selection fields of a record or of a caller.
SInt32 AddUniqueSequentialSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends,
                                    SInt32 start, SInt32 end);
SInt32 AddThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                        SInt32 end);
SInt32 InvertThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                           SInt32 end);
SInt32 NotThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                        SInt32 end);
void ChangeThisSelection(SInt32 count, SInt32 index, WESelectionField* starts, WESelectionField* ends,
                         SInt32 start, SInt32 end);
SInt32 RemoveThisSelection(SInt32 count, SInt32 index, Handle starts, Handle ends);
void ResetSelStartEnd(WERec* record, SInt32 start, SInt32 end);
Handle CopyMultipleSelectionRanges(Boolean disposeOld, Handle old, SInt32 count, Handle source);
Handle ExternalCopyMultipleSelectionRanges(Boolean disposeOld, Handle old, SInt32 count, WEReference we,
                                           SInt16 which);
OSErr WEDeleteSelections(WEReference we, SInt32* lowestStart, SInt32* highestEnd);
SInt32 WESaveSelections(Handle* starts, Handle* ends, WEReference we, Boolean toReal);
void WERestoreSelections(SInt32 count, WESelectionField starts, WESelectionField ends, WEReference we,
                         SInt16 mode, Boolean fromReal, Boolean dispose, Boolean sameModeForAll);
void WEAdjustManyBookmarks(SInt32 count, WESelectionField starts, WESelectionField ends, SInt32 firstAmount,
                           SInt32 otherAmount, Boolean dispose);
void WEAdjustManyFakeReturns(SInt32 count, WESelectionField starts, WESelectionField ends, SInt32 firstAmount,
                             SInt32 otherAmount, Boolean dispose);

// Alignment (-2 left, -1 right, 0 by direction, 1 centre, 2 full) and direction (-1 right to left, 0 left to
// right, 1 the system's).
OSErr WESetAlignment(SInt8 alignment, WEReference we);
OSErr WESetDirection(SInt16 direction, WEReference we);

// Redraws what lies in the region (the whole view when null), erasing first only for the whole view.
void WEUpdate(RgnHandle updateRgn, WEReference we);
// Draws the lines holding start..end again over what the port holds, within the view, erasing nothing.
void WEDrawRangeLines(SInt32 start, SInt32 end, WEReference we);

// The offset whose glyph lies under a point (edge -1 its leading side, 0 its trailing side), and the caret
// position of an offset: the top of its line and its horizontal pixel.
SInt32 WEGetOffset(const LongPoint* point, SInt8* edge, WEReference we);
void WEGetPoint(SInt32 offset, SInt16 direction, LongPoint* point, SInt16* lineHeight, WEReference we);

// Selecting. Modes: 0 set, 1 add, 2 invert, 3 remove the range; 4 only redraws and scrolls. start > end
// selects the same range with its anchor at the end.
OSErr WESetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we);
// Sets (0) or appends (1, ranges in ascending order) a range without drawing or scrolling.
OSErr WEFastSetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we);
// Whether an operation of that mode would change the selection held in starts and ends.
Boolean CheckChangeSelection(SInt32 count, const WESelectionField& starts, const WESelectionField& ends,
                             SInt32 start, SInt32 end, SInt16 mode);
OSErr WESelView(WEReference we);
OSErr WEFindWord(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we);
void WEFindLine(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we);
void WEFindParagraph(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we);
SInt16 WECharByte(SInt32 offset, WEReference we);
SInt16 WECharType(SInt32 offset, WEReference we);
// A new region covering the range on screen within the view; the caller disposes of it.
RgnHandle WEGetHiliteRgn(SInt32 start, SInt32 end, WEReference we);

// Clicking: a press at a local point of the text's port selects by characters, words (a second click in
// the double-click time at the same place) or lines (a third), extends the selection with shift (or edits
// a list of ranges with shift and command when gSelectMultipleMode is on), selects a block one range per
// line when gSelectBlockMode is on, and drags the selection when pressed inside it; the selection follows
// the mouse until the button comes up. True when the click continued a series.
extern SInt16 gSelectMultipleMode;
extern SInt16 gSelectBlockMode;
Boolean WEClick(Point hitPt, UInt16 modifiers, UInt32 clickTime, WEReference we);
// 0 after a single click, 1 after a double click, 2 and up after a triple or further click.
UInt8 WEGetClickCount(WEReference we);

// Drag and drop of text (platform/drag.h): whether a text takes a drag, the feedback while a drag is over
// it (2 entered, 3 within, 4 left) and the drop, which moves the text's own selection unless option is
// held and otherwise inserts what the drag holds (with its styles); each drop is one undoable step.
Boolean WECanAcceptDrag(DragRecord* drag, WEReference we);
OSErr WETrackDrag(SInt16 message, DragRecord* drag, WEReference we);
OSErr WEReceiveDrag(DragRecord* drag, WEReference we);
// The items a drag of the selection carries: its text and style runs, or the one selected object.
OSErr WEMakeSelectionDrag(DragRecord* drag, WEReference we);

// Inline input: an input method's text replaces what it composed before at the selection; its first
// `confirmed` bytes (-1: all) are final, and the marked ranges (relative to the rest; style 2 raw, 3
// selected raw, 4 converted, 5 selected converted, +-1 the caret) underline the rest until it is
// confirmed. WEStopInlineSession keeps what is composed as it stands.
struct WEInputRange {
    SInt32 start = 0;
    SInt32 end = 0;
    SInt16 style = 0;
};
OSErr WEUpdateInputArea(const UInt8* text, SInt32 length, SInt32 confirmed, const WEInputRange* ranges,
                        SInt16 rangeCount, WEReference we);
void WEStopInlineSession(WEReference we);
// The text being composed, -1 and -1 when none.
void WEGetInputArea(SInt32* start, SInt32* end, WEReference we);

// Scrolling: the text moves by the amounts, the pixels already shown move with it and only the uncovered
// strip is drawn. WEPinScroll keeps the text from moving past its top or bottom.
OSErr WEScroll(SInt32 hOffset, SInt32 vOffset, WEReference we);
OSErr WEPinScroll(SInt32 hOffset, SInt32 vOffset, WEReference we);
void SetScrollPort(GrafPtr port, WEReference we);

// Activation and the caret. WEIdle blinks the caret when due and answers the ticks until the next blink
// (0x7FFFFFFF when there is nothing to blink).
void WEActivate(WEReference we);
void WEDeactivate(WEReference we);
Boolean WEIsActive(WEReference we);
void WEIdle(UInt32* sleepTicks, WEReference we);
// Sets the cursor for a global point: true (an I-beam, or an arrow over a draggable selection) over the
// text's view. The mouse region, when given, is narrowed to where the same cursor holds.
Boolean WEAdjustCursor(Point mouse, RgnHandle mouseRgn, WEReference we);

// Editing. Keys are Mac Roman character codes: 8 backspace, 127 forward delete, 28-31 the arrows and 1, 4,
// 11, 12 Home, End, Page Up, Page Down (with shift, option and command modifiers); range 0 of WEInsert
// replaces every selected range, n only range n-1.
OSErr WEKey(SInt16 key, UInt16 modifiers, WEReference we);
OSErr WEInsert(const void* text, SInt32 length, Handle styleScrap, Handle soup, WEReference we, SInt32 range);
OSErr WEInsertObject(OSType type, Handle data, Point size, WEReference we);
OSErr WEDelete(WEReference we);
OSErr WESetStyle(UInt16 mode, const WETextStyle* style, WEReference we);
OSErr WEUseStyleScrap(Handle styleScrap, WEReference we);
OSErr WEUseSoup(Handle soup, WEReference we);
// Letter case of the selection: 0 upper, 1 lower, 2 swapped.
OSErr WeSetCase(WEReference we, SInt16 mode);

// The clipboard. WECopy puts every selected range as an item of its own, text and (unless flags has 2 or
// the text is mono-styled) style runs; -10013 when nothing is selected. WEPaste flags: 1 text with its
// styles, 2 text without, neither: the clipboard's styles over the selection; 16 item n into range n
// (answering -4990 at the end); 32 a blank after each item; the high byte the first text flavour tried.
// WESwap pastes after the selection and then cuts what was selected.
OSErr WECopy(WEReference we, SInt16 flags);
OSErr WECut(WEReference we);
OSErr WEPaste(WEReference we, SInt32* pastedLength, SInt16 flags);
OSErr WESwap(WEReference we, SInt32* pastedLength, SInt16 flags);
Boolean WECanPaste(WEReference we);
// The text of every clipboard item in one new handle (null when there is none); flags as WEPaste's, 64
// reads the first item only.
Handle WEGetPasteText(SInt16 flags);
// Copies a range's bytes, its style runs (a style scrap with a 4-byte header) and its objects (a soup)
// into the handles given; any may be null.
OSErr WECopyRange(SInt32 start, SInt32 end, Handle text, Handle styles, Handle soup, WEReference we);
// The same for a text and style scrap kept outside any record.
OSErr WECopyRangeFromTextStyleBlock(SInt32 start, SInt32 end, Handle destText, Handle destStyles,
                                    Handle destSoup, Handle sourceText, Handle sourceStyles);

// Undo: undoing an undone edit redoes it. Action blocks make several edits one undoable step.
OSErr WEUndo(WEReference we);
SInt16 WEGetUndoInfo(Boolean* redo, WEReference we);
OSErr WEBeginAction(WEReference we);
OSErr WEEndAction(SInt16 kind, WEReference we);
void WEClearUndo(WEReference we);
Boolean WEIsTyping(WEReference we);

// Objects in the text.
OSErr WEGetSelectedObject(WEObjectReference* object, WEReference we);
SInt32 WEFindNextObject(SInt32 offset, WEObjectReference* object, WEReference we);

// Further accessors. WEMoveViewDestRects moves the dest rect with the view, gives it the view's size and
// lays the lines out again.
SInt16 WEGetRunDirection(SInt32 offset, WEReference we);
void WESetViewRect(const LongRect* rect, WEReference we);
OSErr WEMoveViewDestRects(const LongRect* rect, WEReference we);
SInt8 WEGetAlignment(WEReference we);
SInt16 WEGetDirection(WEReference we);
SInt32 WEGetSpacing(WEReference we);
void WESetSpacing(SInt32 percent, WEReference we);
WECharToPixelProc WEGetcharToPixelHook(WEReference we);
UInt32 WEVersion();
// Answers true when every attribute the mode asks for is the same over the first selected range; the
// mode comes back with the bits of the attributes that are.
Boolean WEContinuousStyle(UInt16* mode, WETextStyle* style, WEReference we);

// More long coordinates.
void WEPointToLongPoint(Point point, LongPoint* longPoint);
void WELongPointToPoint(const LongPoint* longPoint, Point* point);
void WEOffsetLongRect(LongRect* rect, SInt32 dh, SInt32 dv);
Boolean WELongPointInLongRect(const LongPoint* point, const LongRect* rect);
Boolean WELongRectIntersectRect(const LongRect* a, const LongRect* b);
