// Operations on the whole text of a record: adopting a new text, laying it all out again, and bringing the
// lines and the view up to date after an edit.
#include "textengine/engine_internal.h"

#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/memory.h"

#include <algorithm>

OSErr WEUseText(Handle text, WEReference we, Boolean keepStyles) {
    WERec& r = RecordOf(we);
    WEStopInlineSession(we);
    // The caret's place is known only in the old text: a caret left marked as shown would be inverted
    // later where it never stood.
    _WEHideCaret(we);
    r.modCount = 0;
    // Undo actions hold offsets into the text being replaced.
    _WEDisposeUndo(we);
    SInt32 length = GetHandleSize(text);
    if (!keepStyles) {
        SInt32 firstStyle = RunsOf(r)[0].styleIndex;
        _WEResetStyleTable(we);
        SetHandleSize(r.runs, 2 * sizeof(WERunRec));
        if (MemError() != noErr) return MemError();
        RunsOf(r)[0] = WERunRec{0, firstStyle};
        RunsOf(r)[1] = WERunRec{length + 1, -1};
        r.runCount = 1;
        StylesOf(r)[firstStyle].refCount = 1;
    }
    if (text != r.text) _WEForgetHandle(&r.text);
    r.text = text;
    r.textLength = length;
    SetHandleSize(r.lines, 2 * sizeof(WELineRec));
    if (MemError() != noErr) return MemError();
    LinesOf(r)[0] = WELineRec{};
    LinesOf(r)[1] = WELineRec{length, 0, 0, 0, 0};
    r.lineCount = 1;
    r.provisionalLineCount = 0;
    ResetSelStartEnd(&r, 0, 0);
    r.pendingLeadByte = 0;
    r.clickCount = 0;
    r.inputAreaStart = r.inputAreaEnd = r.dragCaretOffset = -1;
    if (r.atsuInfo) DisposeATSUDataForMe(we);
    return noErr;
}

// The line whose top..next top holds the vertical port coordinate v.
static SInt32 LineAtPixel(const WERec& r, SInt32 v) {
    const WELineRec* lines = LinesOf(r);
    const WELineRec* found =
        std::upper_bound(lines, lines + r.lineCount, v - r.destRect.top,
                         [](SInt32 value, const WELineRec& line) { return value < line.origin; });
    return std::max<SInt32>(0, SInt32(found - lines) - 1);
}

static OSErr RecalculateAll(WEReference we) {
    WERec& r = RecordOf(we);
    if (gLazyLayoutLength > 0 && r.textLength >= gLazyLayoutLength) return _WELayOutLazily(we);
    SInt32 firstLine = 0, lastLine = 0x7FFFFFFF;
    OSErr err = _WERecalBreaks(&firstLine, &lastLine, we);
    if (err != noErr) return err;
    r.provisionalLineCount = 0;
    _WERecalSlops(firstLine, lastLine, we);
    return noErr;
}

OSErr WECalText(WEReference we) {
    return RecalculateAll(we);
}

OSErr WECalBreaks(WEReference we) {
    if (RecordOf(we).atsuInfo) gLayoutFormatFlag |= 2;
    return RecalculateAll(we);
}

OSErr WEFindVisibleLines(WEReference we, SInt32* firstLine, SInt32* lastLine, SInt32* firstOffset,
                         SInt32* lastOffset) {
    _WEEnsureViewLines(we);
    const WERec& r = RecordOf(we);
    const WELineRec* lines = LinesOf(r);
    SInt32 top = std::max(r.destRect.top + lines[0].origin, r.viewRect.top);
    SInt32 bottom = std::min(r.destRect.top + lines[r.lineCount].origin, r.viewRect.bottom);
    // Nothing visible (an empty text, or one scrolled out of view) is an ordinary state: the outputs stay.
    if (top >= bottom) return noErr;
    *firstLine = LineAtPixel(r, top);
    *lastLine = LineAtPixel(r, bottom - 1);
    *firstOffset = lines[*firstLine].start;
    *lastOffset = lines[*lastLine + 1].start - 1;
    return noErr;
}

OSErr _WERedraw(SInt32 start, SInt32 end, WEReference we) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFInhibitRecal) && HasFeature(r, weFInhibitRedraw)) return noErr;
    if (!HasFeature(r, weFInhibitRecal)) {
        // An edit among provisional lines is broken with the lines before it, so that they stay last.
        _WEEnsureLines(end, -1, we);
        _WEEnsureViewLines(we);
    }
    SInt32 oldHeight = r.destRect.bottom - r.destRect.top;
    SInt32 firstLine = _WEOffsetToLine(r, start);
    SInt32 lastLine = _WEOffsetToLine(r, end);
    if (!HasFeature(r, weFInhibitRecal)) {
        OSErr err = _WERecalBreaks(&firstLine, &lastLine, we);
        if (err != noErr) return err;
    }
    _WERecalSlops(firstLine, lastLine, we);
    if (HasFeature(r, weFInhibitRedraw)) return noErr;

    const WELineRec* lines = LinesOf(r);
    SInt32 newHeight = r.destRect.bottom - r.destRect.top;
    if (newHeight != oldHeight) r.stateBits |= kWEStateHeightChanged;
    SInt32 areaTop = lines[firstLine].origin;
    SInt32 areaBottom = lines[std::min(lastLine + 1, r.lineCount)].origin;
    if (newHeight != oldHeight) areaBottom = std::max({areaBottom, oldHeight, newHeight});
    areaTop = std::max(areaTop + r.destRect.top, r.viewRect.top);
    areaBottom = std::min(areaBottom + r.destRect.top, r.viewRect.bottom);
    if (areaTop < areaBottom) {
        WindowReference saved = GetPortReference();
        SetPort(r.port);
        _WERedrawLines(LineAtPixel(r, areaTop), LineAtPixel(r, areaBottom - 1), areaBottom, we);
        SetPortByReference(saved);
    }
    return WESelView(we);
}
