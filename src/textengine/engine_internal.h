// The engine's internal operations, shared by its files: memory utilities, runs, lines and styles, the
// editing primitives and the stand-ins of layout, drawing and objects.
#pragma once

#include "textengine/objects.h"
#include "textengine/text_engine.h"

#include <algorithm>

// The record behind a reference.
inline WERec& RecordOf(WEReference we) {
    return **we;
}
inline WERunRec* RunsOf(const WERec& r) {
    return reinterpret_cast<WERunRec*>(*r.runs);
}
inline WELineRec* LinesOf(const WERec& r) {
    return reinterpret_cast<WELineRec*>(*r.lines);
}
inline WEStyleEntry* StylesOf(const WERec& r) {
    return reinterpret_cast<WEStyleEntry*>(*r.styles);
}
inline UInt8* TextOf(const WERec& r) {
    return reinterpret_cast<UInt8*>(*r.text);
}
// The array of range starts or ends of a selection list.
inline SInt32* RangesOf(Handle ranges) {
    return reinterpret_cast<SInt32*>(*ranges);
}
inline bool HasFeature(const WERec& r, SInt16 feature) {
    return (r.features >> feature) & 1;
}

// Memory.
enum : SInt16 { kWEAllocClear = 1, kWEAllocTempFirst = 2 };
OSErr _WEAllocate(Size size, SInt16 flags, Handle* h, SInt16 memOption, const char* file, SInt32 line);
void _WEForgetHandle(Handle* h);
Boolean _WESetHandleLock(Handle h, Boolean lock);
void _WEReorder(SInt32* a, SInt32* b);
Boolean _WEBlockCmp(const void* a, const void* b, Size length);
void _WEBlockClr(void* p, Size length);
OSErr _WESplice(Handle h, const void* source, Size length, Size offset);
OSErr _WESplicePtr(Ptr* block, Size* capacity, Size used, const void* source, Size length, Size offset);

// Runs, lines and styles.
SInt32 _WEOffsetToRun(const WERec& r, SInt32 offset);
SInt32 _WEOffsetToLine(const WERec& r, SInt32 offset);
OSErr _WEInsertRun(SInt32 runIndex, SInt32 start, SInt32 styleIndex, WERec& r);
OSErr _WERemoveRun(SInt32 runIndex, WERec& r);
void _WEChangeRun(SInt32 runIndex, SInt32 styleIndex, Boolean keepOld, WERec& r);
OSErr _WENewStyle(const WETextStyle* style, SInt32* index, WERec& r);
void _WEBumpRunStart(SInt32 runIndex, SInt32 delta, WERec& r);
void _WEBumpLineStart(SInt32 lineIndex, SInt32 delta, WERec& r);
OSErr _WERemoveLineRange(SInt32 start, SInt32 end, WERec& r);
// Takes count entries out of the line array from index first, provisional ones counted off with them.
OSErr _WERemoveLines(SInt32 first, SInt32 count, WERec& r);
OSErr _WERemoveRunRange(SInt32 start, SInt32 end, WERec& r);
OSErr _WESetStyleRange(SInt32 start, SInt32 end, UInt16 mode, const WETextStyle* style, WEReference we);
void _WECopyStyle(const WETextStyle* source, WETextStyle* target, UInt8 continuousFace, UInt16 mode);
UInt8 _WEContinuousFace(SInt32 start, SInt32 end, const WERec& r);
Boolean _WEStylesEqual(const WETextStyle& a, const WETextStyle& b);

void _WEGetIndStyle(SInt32 runIndex, WERunInfo* info, WEReference we);
void _WEGetIndStyleFromScrap(SInt32 index, WERunInfo* info, Handle styleScrap);

// Editing primitives.
OSErr _WEInsertText(SInt32 offset, const void* text, SInt32 length, WEReference we);
OSErr _WEDeleteRange(SInt32 start, SInt32 end, WEReference we);
OSErr _WEApplyStyleScrap(SInt32 start, SInt32 end, Handle styleScrap, WEReference we, SInt32* applied,
                         SInt32 limit);
OSErr _WEApplySoup(SInt32 offset, Handle soup, WEReference we);
Boolean _WEIsPunct(SInt32 offset, WEReference we);
Boolean _WEIsWordRange(SInt32 start, SInt32 end, WEReference we);
void _WEIntelligentCut(SInt32* start, SInt32* end, WEReference we);
SInt16 _WEIntelligentPaste(SInt32 start, SInt32 end, WEReference we);
OSErr _WERedraw(SInt32 start, SInt32 end, WEReference we);

// Record set-up.
void _WESetStandardHooks(WERec* record);
OSErr _WERegisterWithTSM(WEReference we);
void _WEResetStyleTable(WEReference we);
SInt16 _WERomanLineBreak(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd, Fixed* width,
                         SInt32* breakOffset, WEReference we);
// Breaks lines only after carriage returns: the prompter's unwrapped text.
SInt16 _WENoWrapLineBreak(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd, Fixed* width,
                          SInt32* breakOffset, WEReference we);
Boolean _WEStdClickLoop(WEReference we);
// How far the click loop scrolls along one axis for a mouse at `mouse`: the view spans viewLow..viewHigh, the
// text is scrolled by `scrolled` out of at most `limit`.
SInt32 _WEAutoScrollStep(SInt32 mouse, SInt32 viewLow, SInt32 viewHigh, SInt32 scrolled, SInt32 limit);

// The UTF-16 copy.
OSErr _WEInsertUnicode(SInt32 offset, const UInt8* text, SInt32 length, WEReference we);
void _WEDeleteUnicode(SInt32 start, SInt32 end, WEReference we);

// Line layout.
OSErr _WERecalBreaks(SInt32* firstLine, SInt32* lastLine, WEReference we);
void _WERecalSlops(SInt32 firstLine, SInt32 lastLine, WEReference we);
SInt32 _WEFindLineBreak(SInt32 lineStart, WEReference we);
void _WECalcHeights(SInt32 start, SInt32 end, SInt16* ascent, SInt16* descent, WEReference we);
// Inserts before lineIndex; a line inserted among the provisional ones counts as one of them.
OSErr _WEInsertLine(SInt32 lineIndex, const WELineRec* line, WEReference we);
void _WEBumpOrigin(SInt32 lineIndex, SInt32 delta, WEReference we);
// Horizontal indent of a line's text from the dest rect's left for an alignment and a direction.
SInt32 _WECalcPenIndent(const WELineRec& line, SInt8 alignment, SInt16 direction);
// The pixels from the top of the dest rect to the bottom of the text, a final empty line included.
SInt32 _WETextHeight(const WERec& r);
// The line whose top..next top holds v, measured from the dest rect's top.
SInt32 _WELineAtHeight(const WERec& r, SInt32 v);

// Long texts laid out as far as they are shown: a text of at least gLazyLayoutLength characters gets one
// provisional line per paragraph, with an estimated height, and the lines are broken for real only as far as
// the view, an offset or a height asks (the rest later, a piece at a time, through WEContinueLayout).
constexpr SInt32 kLazyLayoutLength = 200000;
extern SInt32 gLazyLayoutLength;
OSErr _WELayOutLazily(WEReference we);
// Breaks the provisional lines for real up to and including the ones that hold offset and the height v
// (from the dest rect's top); -1 for either asks nothing of it.
void _WEEnsureLines(SInt32 offset, SInt32 v, WEReference we);
// The lines through the bottom of the view, and one view further, broken for real.
void _WEEnsureViewLines(WEReference we);
// Provisional lines always come last: this is the first of them, the line count when there are none.
inline SInt32 _WEFirstProvisionalLine(const WERec& r) {
    return r.lineCount - std::clamp<SInt32>(r.provisionalLineCount, 0, r.lineCount);
}
// The line has been broken for real, and with it every line before it.
inline void _WEMakeLinesReal(SInt32 throughLine, WERec& r) {
    r.provisionalLineCount =
        std::min<SInt32>(r.provisionalLineCount, std::max<SInt32>(0, r.lineCount - throughLine - 1));
}

// Walking a line's style runs in order: the callback gets each segment (its line, run, text, offset,
// length and style-run position: 0 only, 1 first, 2 last, 3 middle) and answers true to leave the line.
using WESegmentProc = Boolean (*)(const WELineRec& line, const WERunInfo& run, const UInt8* text,
                                  SInt32 offset, SInt32 length, SInt16 position, WEReference we, void* data);
// The justification slop that drawing gives a segment: the line's step for every blank it shows.
Fixed _WESegmentSlop(const WERec& r, const WELineRec& line, const UInt8* text, SInt32 length,
                     SInt16 position);
void _WESegmentLoop(SInt32 firstLine, SInt32 lastLine, WESegmentProc callback, void* data, WEReference we);

// Drawing, the Unicode layout and objects.
void _WEFillFontInfo(GrafPort* port, WEStyleRecord* record);
void _WEDrawLines(SInt32 firstLine, SInt32 lastLine, Boolean doErase, WEReference we);
// The inline-input underline under a segment (its rect reaches the line's bottom), as a run's flags byte
// asks for it.
Boolean _WEHasInputUnderline(UInt8 flags);
void _WEDrawTSMHilite(const Rect* segment, UInt8 flags);
// Erases and draws the lines again with the selection's hilites and a shown caret over them, and erases
// the view below the text down to areaBottom.
void _WERedrawLines(SInt32 firstLine, SInt32 lastLine, SInt32 areaBottom, WEReference we);
ATSUInfoRec** CreateATSUInfo(void* unused1, void* unused2, WEReference we);
ATSUInfoRec** NewLayoutFormat(UInt16* text, SInt32 length, WEReference we);
ATSUInfoRec** NewLayoutBreaks(WEReference we);
// Gives the layout a new style over a range; at an empty range the style becomes the null style.
void SetLayoutRunStyle(SInt32 start, SInt32 end, UInt16 mode, const WETextStyle* style, WEReference we);
// Sets a layout style (a copy is kept) over a non-empty range.
void SetLayoutRunWithThisStyle(SInt32 start, SInt32 end, const UnicodeRunStyle* style, WEReference we);
// Disposes of the null style.
void ClearATSUNullStyle(WEReference we);
void ATSUTextInserted(void* layout, SInt32 offset, SInt32 length);
void ATSUTextDeleted(void* layout, SInt32 offset, SInt32 length);
void ATSUSetTextPointerLocation(void* layout, const UInt16* text, SInt32 offset, SInt32 length, SInt32 total);
void DisposeATSUDataForMe(WEReference we);

// The Unicode layout's standard measuring and drawing hooks.
void _WEStdDrawText(const UInt8* text, SInt32 length, Fixed slop, SInt16 runPosition, WEReference we);
SInt32 _WEStdPixelToChar(const UInt8* text, SInt32 length, Fixed slop, Fixed* width, Boolean* leadingEdge,
                         SInt16 runPosition, WEReference we);
// Breaks a run of a line as _WERomanLineBreak does, measuring with the Unicode layout unless text is classic.
SInt16 _WEStdLineBreak(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd, Fixed* width,
                       SInt32* breakOffset, WEReference we);
SInt32 _WEStdCharToPixel(const UInt8* text, SInt32 length, Fixed slop, SInt32 offset, SInt16 direction,
                         SInt16 runPosition, WEReference we);

// Which parts of the Unicode layout's format the next layout rebuilds (bit values 1 everything, 2 breaks).
extern SInt16 gLayoutFormatFlag;

// Selecting, the caret and scrolling.
void _WEGetCaretRect(SInt32 offset, Rect* rect, WEReference we);
void _WEDrawCaret(SInt32 offset, WEReference we);
// Toggles the caret at the first range's start (an active text only; a read-only one can only hide it).
void _WEBlinkCaret(WEReference we);
// Takes a shown caret off the screen.
void _WEHideCaret(WEReference we);
// Toggles the hilite of a non-empty range (inverted when active, outlined when inactive with the feature).
void _WEHiliteRange(SInt32 start, SInt32 end, WEReference we);
// Toggles the hilite of every selected range.
void _WEHiliteAllRanges(WEReference we);
Boolean _WEScrollIntoView(SInt32 offset, WEReference we);
// Where an arrow action (0-11: plain, option and command arrows, in the order left, right, up, down)
// leads from an offset.
SInt32 _WEArrowOffset(SInt16 action, SInt32 offset, WEReference we);
void _WEDoArrowKey(SInt16 key, UInt16 modifiers, WEReference we);
// Home, End, Page Up and Page Down (command: the text's start and end) move or, with shift, extend the
// selection from its anchor.
void _WEDoMoveKey(SInt16 key, UInt16 modifiers, WEReference we);
SInt32 _WEPinInRange(SInt32 value, SInt32 min, SInt32 max);
// Whether the character an offset hits (the one before it for the trailing edge 0) lies in start..end.
Boolean _WEOffsetInRange(SInt32 offset, SInt8 edge, SInt32 start, SInt32 end);

// Dragging the selection from a press at hitPt: kWENoDragErr when the button came up without the mouse
// moving (an ordinary click), else the drag's result.
enum : OSErr { kWENoDragErr = 128, weBadDragFlavorErr = -1852, weDropRefusedErr = -1857 };
OSErr _WEDrag(Point hitPt, UInt16 modifiers, UInt32 clickTime, WEReference we);
// Moves the caret that shows where a drop would go (-1: none).
void _WEUpdateDragCaret(SInt32 offset, WEReference we);

// Undo.
void _WEDisposeUndo(WEReference we);
// Records an edit about to replace start..end by newLength bytes, and pushes it in front of the undo chain;
// a failure leaves the edit without undo.
OSErr _WERecordAction(SInt32 start, SInt32 end, SInt32 newLength, SInt16 kind, SInt16 flags, WEReference we);
// Forgets the undo chain unless an action block is open.
void _WEForgetUndoOutsideBlock(WEReference we);
// The typing style taken from the character before the caret unless it is already up to date.
void _WESynchNullStyle(WEReference we);
