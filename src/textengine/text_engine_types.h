// The styled-text engine's records: the engine record, its line, run and style arrays, the hook slots and
// the result codes shared by every part of the engine.
#pragma once

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/types.h"

struct WERec;
// A text view's engine instance: a handle to its record.
using WEReference = WERec**;
// An embedded object's descriptor; a style's extra value holds one (or null for plain text).
using WEObjectReference = Handle;

struct LongRect {
    SInt32 top = 0;
    SInt32 left = 0;
    SInt32 bottom = 0;
    SInt32 right = 0;
};

struct LongPoint {
    SInt32 v = 0;
    SInt32 h = 0;
};

// Face bits of a style.
enum : UInt8 {
    kWEBold = 1,
    kWEItalic = 2,
    kWEUnderline = 4,
    kWEStrikeOut = 8,
    kWEShadow = 16,
    kWECondensed = 32,
    kWEExtended = 64,
    kWERightToLeft = 128
};

struct WETextStyle {
    SInt16 font = 0;
    UInt8 face = 0;
    UInt8 faceMask = 0; // a face mask for mode 0x200, the flags byte of a run otherwise
    SInt16 size = 0;
    RGBColor color;
    WEObjectReference extra = nullptr;
};

// A style as the style table holds it: the text style with its line metrics.
struct WEStyleRecord {
    SInt16 height = 0;
    SInt16 ascent = 0;
    WETextStyle style;
};

// A run as the accessors describe it: its bounds and its style (the flags byte in faceMask, the object in
// extra).
struct WERunInfo {
    SInt32 start = 0;
    SInt32 end = 0;
    WEStyleRecord style;
};

// The end that the last run of a style scrap reports: the scrap does not know its text's length.
inline constexpr SInt32 kWELastScrapRunEnd = 0x7FFFFFFE;

struct WEStyleEntry {
    SInt32 refCount = 0; // runs that use the entry; 0 marks a free slot
    WEStyleRecord record;
};

struct WERunRec {
    SInt32 start = 0;
    SInt32 styleIndex = 0; // -1 in the sentinel
};

struct WELineRec {
    SInt32 start = 0;
    SInt32 origin = 0; // top of the line, from the top of the destination rectangle
    SInt16 ascent = 0;
    SInt16 slack = 0;
    Fixed justStep = 0;
};
// Long texts keep one line per paragraph in this array; whether a line is still an estimate is kept in the
// record (provisionalLineCount), not here, so the entries stay this size.
static_assert(sizeof(WELineRec) == 16);

// Bits of a style mode: which attributes of a given style are applied.
enum : UInt16 {
    weDoFont = 0x0001,
    weDoFace = 0x0002,
    weDoSize = 0x0004,
    weDoColor = 0x0008,
    weDoAddSize = 0x0010,
    weDoToggleFace = 0x0020,
    weDoReplaceFace = 0x0040,
    weDoSmartFont = 0x0080,
    weDoExtra = 0x4000,
    weDoFaceMask = 0x0200,
    weDoFlags = 0x8000,
    weDoAll = weDoFont | weDoFace | weDoSize | weDoColor | weDoReplaceFace // 79
};

// State bits (stateBits).
enum : UInt32 {
    kWEStateColor = 1u << 31,
    kWEStateDrag = 1u << 30,
    kWEStateInputMethods = 1u << 29,
    kWEStateSeveralScripts = 1u << 28,
    kWEStateDoubleByte = 1u << 27,
    kWEStateBidirectional = 1u << 26,
    kWEStateCaretRightToLeft = 1u << 25,
    kWEStateCaretShown = 1u << 24,
    kWEStateTracking = 1u << 23,
    kWEStateAnchorIsEnd = 1u << 22,
    kWEStateTypingStyle = 1u << 21,
    kWEStateActive = 1u << 20,
    kWEStateDropHilite = 1u << 19,
    kWEStateDragAccepted = 1u << 18,
    kWEStateDropCaret = 1u << 17,
    kWEStateHeightChanged = 1u << 16,
    kWEStateActionOpen = 1u << 14
};

// Feature bit numbers (features).
enum WEFeature : SInt16 {
    weFAutoScroll = 0,
    weFOutlineHilite = 2,
    weFReadOnly = 5,
    weFUndo = 6,
    weFIntCutAndPaste = 7,
    weFDragAndDrop = 8,
    weFInhibitRecal = 9,
    weFUseTempMem = 10,
    weFDrawOffscreen = 11,
    weFInhibitRedraw = 12,
    weFMonoStyled = 13
};

// Result codes of the engine besides the memory errors it passes through.
enum : OSErr {
    weReadOnlyErr = -9476,
    weBadStyleScrapErr = -1702,
    weTSMNotRegisteredErr = -2504,
    weCantUndoErr = -10015,
    weActionBlockErr = -603, // an action block opened twice or closed without being opened
    weNotAnObjectErr = -9477,
    weEmptySelectionErr = -10013,
    weNoPasteboardItemErr = -4990 // an item past the pasteboard's last
};

// Hook slots in the order of the record's hook table.
enum WEHookSlot : SInt16 {
    kWEHookClickLoop,
    kWEHookScroll,
    kWEHookPreUpdate,
    kWEHookPostUpdate,
    kWEHookDragPreTrack,
    kWEHookDragTranslate,
    kWEHookHiliteDrop,
    kWEHookDrawText,
    kWEHookPixelToChar,
    kWEHookCharToPixel,
    kWEHookLineBreak,
    kWEHookWordBreak,
    kWEHookCharByte,
    kWEHookCharType,
    kWEHookErase,
    kWEHookFlux,
    kWEHookCount
};

using WEHookProc = void (*)();
using WEClickLoopProc = Boolean (*)(WEReference);
using WENotifyProc = void (*)(WEReference);
using WEHiliteDropProc = OSErr (*)(void* drag, Boolean show, WEReference);
using WEDrawTextProc = void (*)(const UInt8* text, SInt32 length, Fixed slop, SInt16 runPosition,
                                WEReference);
// Answers the offset in text whose leading or trailing edge lies at *width; *width comes back as what is left
// (negative when the text did not fit).
using WEPixelToCharProc = SInt32 (*)(const UInt8* text, SInt32 length, Fixed slop, Fixed* width,
                                     Boolean* leadingEdge, SInt16 runPosition, WEReference);
using WECharToPixelProc = SInt32 (*)(const UInt8* text, SInt32 length, Fixed slop, SInt32 offset,
                                     SInt16 direction, SInt16 runPosition, WEReference);
// Finds where a line ends within one style run: 0 a break at a word boundary, 1 inside a word, 2 the text ran
// out.
using WELineBreakProc = SInt16 (*)(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd,
                                   Fixed* width, SInt32* breakOffset, WEReference);
using WEWordBreakProc = void (*)(const UInt8* text, SInt16 length, SInt16 offset, UInt8 edge, SInt16* offsets,
                                 SInt16 script, WEReference);
using WECharClassProc = SInt16 (*)(const UInt8* text, SInt16 offset, SInt16 script, WEReference);
using WEEraseProc = void (*)(const Rect* rect, WEReference);
using WEFluxProc = void (*)(SInt32 offset, SInt32 delta, WEReference);

// One end of the selection: a text offset while the selection is plain (count 0), the handle of an array of
// range starts or ends (SInt32 each) while it is a list of ranges.
struct WESelectionField {
    SInt32 offset = 0;
    Handle ranges = nullptr;
};

struct ATSUInfoRec;
struct UnicodeRunStyle;

struct WERec {
    GrafPort* port;
    Handle text;
    Handle lines;  // WELineRec x (lineCount + 1)
    Handle styles; // WEStyleEntry x styleCount
    Handle runs;   // WERunRec x (runCount + 1)
    SInt32 textLength;
    SInt32 lineCount;
    SInt32 styleCount;
    SInt32 runCount;
    LongRect viewRect;
    LongRect destRect;
    WESelectionField selStart;
    WESelectionField selEnd;
    SInt32 selCount;
    UInt32 stateBits;
    UInt32 features;
    UInt32 caretTime;
    UInt32 clickTime;
    SInt32 clickOffset;
    SInt32 anchorStart;
    SInt32 anchorEnd;
    UInt8 pendingLeadByte;
    UInt8 clickFlag;
    UInt8 clickCount;
    SInt8 alignment;
    SInt16 direction;
    GrafPort* offscreen;
    RgnHandle viewRgn;
    UInt32 refCon;
    Handle userInfo;
    void* tsmDocument;
    SInt32 inputAreaStart;
    SInt32 inputAreaEnd;
    void* dragReference;
    SInt32 dragCaretOffset;
    void* undoAction;
    UInt32 modCount;
    WEHookProc hooks[kWEHookCount];
    WEStyleRecord typingStyle;
    Handle objectHandlers;
    SInt32 lineSpacing;
    ATSUInfoRec** atsuInfo;
    // The last this many lines of the table are provisional: each stands for a whole paragraph of a long
    // text with an estimated height, until the line layout breaks it for real.
    SInt32 provisionalLineCount;
};

// The UTF-16 copy of the text that the Unicode layout draws: one unit per Mac Roman byte of the text.
struct ATSUInfoRec {
    UInt16* text;      // pointer block
    Size textCapacity; // its allocated size in bytes
    void* layout;
    SInt32 textLength; // in units
    // The layout style made by the last style change at an empty range, for the text typed there next;
    // null when none.
    UnicodeRunStyle* nullStyle;
};
