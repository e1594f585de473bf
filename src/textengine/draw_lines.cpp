// Drawing a record's lines into its port: each line erased when asked, its text drawn from the pen indent
// on its baseline (a whole line at once from the Unicode layout, run by run through the draw hook in the
// classic mode), and the update entry point that redraws what a region exposes.
#include "textengine/engine_internal.h"

#include "textengine/lines_ahead.h"
#include "textengine/paragraph_layouts.h"
#include "textengine/text_effects.h"
#include "textengine/view_clip.h"

#include "platform/text_drawing.h"

#include <algorithm>

namespace {

struct DrawState {
    bool erase = false;
    bool withColor = false;
    bool offscreenAvailable = false; // erasing lines are composed off screen and copied in one piece
    bool offscreenLine = false;      // the current line is being drawn off screen
    Rect drawRect{};                 // the current line within the view
    SInt16 lineBottom = 0;
};

// Makes the record's offscreen world current, sized and placed over the draw rect, with the port's back
// colour; false (and nothing changed) when the world cannot be made ready.
bool EnterOffscreen(WERec& r, const Rect& drawRect) {
    const Rect bounds{0, 0, SInt16(drawRect.bottom - drawRect.top), SInt16(drawRect.right - drawRect.left)};
    if (bounds.bottom <= 0 || bounds.right <= 0) return false;
    if (!r.offscreen && NewGWorld(&r.offscreen, 32, &bounds, nullptr, nullptr, 0) != 0) return false;
    if (UpdateGWorld(&r.offscreen, 32, &bounds, nullptr, nullptr, 0) & kGWorldFlagError) return false;
    RGBColor back;
    GetBackColor(&back);
    SetGWorld(r.offscreen, nullptr);
    SetOrigin(drawRect.left, drawRect.top);
    RGBBackColor(&back);
    ClipRect(&drawRect);
    return true;
}

// Copies a line composed off screen into the record's port, which becomes current again.
void LeaveOffscreen(WERec& r, const Rect& drawRect) {
    SetGWorld(r.port, nullptr);
    CopyBits(r.offscreen, r.port, &drawRect, &drawRect, srcCopy, nullptr);
    SetGWorld(r.offscreen, nullptr);
    SetOrigin(0, 0);
    SetGWorld(r.port, nullptr);
}

// Erases the line when asked (off screen when it can) and puts the pen at its indent on its baseline.
void BeginLine(WERec& r, SInt32 lineIndex, DrawState& state, WEReference we) {
    const WELineRec line = LinesOf(r)[lineIndex];
    const SInt32 top = r.destRect.top + line.origin;
    const LongRect lineRect{top, r.destRect.left, r.destRect.top + LinesOf(r)[lineIndex + 1].origin,
                            r.destRect.right};
    const Rect rect = ToShortRect(lineRect), view = ToShortRect(r.viewRect);
    SectRect(&rect, &view, &state.drawRect);
    state.lineBottom = rect.bottom;
    state.offscreenLine = state.offscreenAvailable && EnterOffscreen(r, state.drawRect);
    if (state.erase) reinterpret_cast<WEEraseProc>(r.hooks[kWEHookErase])(&rect, we);
    const SInt32 h = r.destRect.left + _WECalcPenIndent(line, r.alignment, r.direction);
    MoveTo(SInt16(std::clamp<SInt32>(h, -32768, 32767)),
           SInt16(std::clamp<SInt32>(top + line.ascent, -32768, 32767)));
}

void EndLine(WERec& r, DrawState& state) {
    if (state.offscreenLine) LeaveOffscreen(r, state.drawRect);
    state.offscreenLine = false;
}

Boolean SLDraw(const WELineRec& line, const WERunInfo& run, const UInt8* text, SInt32, SInt32 length,
               SInt16 position, WEReference we, void* data) {
    auto& state = *static_cast<DrawState*>(data);
    WERec& r = RecordOf(we);
    if (position == 0 || position == 1) {
        BeginLine(r, SInt32(&line - LinesOf(r)), state, we);
        // The walk set the run's text state in the record's port, which may no longer be current.
        TextFont(run.style.style.font);
        TextFace(run.style.style.face);
        TextSize(run.style.style.size);
    }
    if (state.withColor) RGBForeColor(&run.style.style.color);
    Point before;
    GetPen(&before);
    if (!run.style.style.extra) {
        const Fixed slop = _WESegmentSlop(r, line, text, length, position);
        reinterpret_cast<WEDrawTextProc>(r.hooks[kWEHookDrawText])(text, length, slop, position, we);
    } else {
        _WEDrawObject(run.style.style.extra);
    }
    if (_WEHasInputUnderline(run.style.style.faceMask)) {
        Point after;
        GetPen(&after);
        const Rect segment{before.v, before.h, state.lineBottom, after.h};
        _WEDrawTSMHilite(&segment, run.style.style.faceMask);
    }
    if (position == 0 || position == 2) EndLine(r, state);
    return false;
}

// The inline-input underlines of a line the Unicode layout drew whole, run by run.
void DrawInputUnderlines(const WERec& r, SInt32 lineIndex, const UnicodeLineRef& ref, SInt16 left,
                         SInt16 bottom) {
    const SInt32 start = LinesOf(r)[lineIndex].start, end = LinesOf(r)[lineIndex + 1].start;
    for (SInt32 run = _WEOffsetToRun(r, start); run < r.runCount && RunsOf(r)[run].start < end; run++) {
        const WETextStyle& style = StylesOf(r)[RunsOf(r)[run].styleIndex].record.style;
        if (!_WEHasInputUnderline(style.faceMask)) continue;
        const SInt32 from = std::max(RunsOf(r)[run].start, start);
        const SInt32 to = std::min(RunsOf(r)[run + 1].start, end);
        const Rect segment{0, SInt16(left + UnicodeOffsetToX(ref.layout, from - ref.paragraphStart)), bottom,
                           SInt16(left + UnicodeOffsetToX(ref.layout, to - ref.paragraphStart))};
        _WEDrawTSMHilite(&segment, style.faceMask);
    }
}

void DrawUnicodeLines(SInt32 firstLine, SInt32 lastLine, DrawState& state, WEReference we) {
    WERec& r = RecordOf(we);
    for (SInt32 i = firstLine; i <= lastLine; i++) {
        BeginLine(r, i, state, we);
        UnicodeLineRef ref;
        if (FindUnicodeLine(r, LinesOf(r)[i].start, &ref)) {
            Point pen;
            GetPen(&pen);
            DrawUnicodeLine(ref.layout, ref.line, pen.h, pen.v);
            DrawInputUnderlines(r, i, ref, pen.h, state.lineBottom);
        }
        EndLine(r, state);
    }
}

// Draws the hilites and a shown caret again over text that was just redrawn, within the current clip.
void DrawSelection(WEReference we) {
    const WERec& r = RecordOf(we);
    for (SInt32 i = 0; i < std::max(r.selCount, SInt32(1)); i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        if (start != end)
            _WEHiliteRange(start, end, we);
        else if (r.stateBits & kWEStateCaretShown)
            _WEDrawCaret(start, we);
    }
}

// The area that _WERedraw draws again; kept for the program's life.
RgnHandle gRedrawnArea = nullptr;

} // namespace

Fixed _WESegmentSlop(const WERec& r, const WELineRec& line, const UInt8* text, SInt32 length,
                     SInt16 position) {
    if (r.alignment != 2) return 0;
    if (position == 0 || position == 2)
        while (length > 0 && text[length - 1] <= 32)
            length--;
    return Fixed(std::count(text, text + length, UInt8(' '))) * line.justStep;
}

void _WEDrawLines(SInt32 firstLine, SInt32 lastLine, Boolean doErase, WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.port) return;
    firstLine = std::clamp(firstLine, SInt32(0), r.lineCount - 1);
    lastLine = std::clamp(lastLine, SInt32(0), r.lineCount - 1);
    ViewClip viewClip;
    if (EnterViewClip(r, nullptr, &viewClip)) {
        DrawState state;
        state.erase = doErase;
        state.withColor = true;
        state.offscreenAvailable = doErase && HasFeature(r, weFDrawOffscreen);
        if (!IsClassicText() && r.atsuInfo)
            DrawUnicodeLines(firstLine, lastLine, state, we);
        else
            _WESegmentLoop(firstLine, lastLine, &SLDraw, &state, we);
    }
    LeaveViewClip(&viewClip);
}

void WEUpdate(RgnHandle updateRgn, WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.port) return;
    ViewClip viewClip;
    if (EnterViewClip(r, updateRgn, &viewClip)) {
        Rect box;
        GetRegionBounds(viewClip.clip, &box);
        _WEEnsureLines(-1, box.bottom - r.destRect.top, we);
        const SInt32 textTop = r.destRect.top + LinesOf(r)[0].origin;
        const SInt32 textBottom = r.destRect.top + LinesOf(r)[r.lineCount].origin;
        if (box.top < textBottom && box.bottom > textTop)
            _WEDrawLines(_WELineAtHeight(r, box.top - r.destRect.top),
                         _WELineAtHeight(r, box.bottom - r.destRect.top - 1), updateRgn == nullptr, we);
        const SInt32 below = r.destRect.top + _WETextHeight(r);
        if (below < box.bottom) {
            const Rect rest{SInt16(std::max<SInt32>(below, box.top)), box.left, box.bottom, box.right};
            reinterpret_cast<WEEraseProc>(r.hooks[kWEHookErase])(&rest, we);
        }
        DrawSelection(we);
    }
    LeaveViewClip(&viewClip);
}

void WEDrawRangeLines(SInt32 start, SInt32 end, WEReference we) {
    const WERec& r = RecordOf(we);
    if (!r.port || start > end) return;
    _WEDrawLines(WEOffsetToLine(start, we), WEOffsetToLine(std::max(start, end - 1), we), false, we);
}

void _WERedrawLines(SInt32 firstLine, SInt32 lastLine, SInt32 areaBottom, WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.port) return;
    _WEDrawLines(firstLine, lastLine, true, we);
    // Text that got shorter leaves its old last lines below the new end.
    const SInt32 textBottom = r.destRect.top + _WETextHeight(r);
    if (areaBottom > textBottom) {
        ViewClip viewClip;
        const Rect rest = ToShortRect(LongRect{textBottom, r.viewRect.left, areaBottom, r.viewRect.right});
        if (EnterViewClip(r, nullptr, &viewClip))
            reinterpret_cast<WEEraseProc>(r.hooks[kWEHookErase])(&rest, we);
        LeaveViewClip(&viewClip);
    }
    if (!gRedrawnArea) gRedrawnArea = NewRgn();
    firstLine = std::clamp(firstLine, SInt32(0), r.lineCount - 1);
    lastLine = std::clamp(lastLine, SInt32(0), r.lineCount - 1);
    const LongRect area{r.destRect.top + LinesOf(r)[firstLine].origin, r.destRect.left,
                        r.destRect.top + LinesOf(r)[lastLine + 1].origin, r.destRect.right};
    const Rect rect = ToShortRect(area);
    RectRgn(gRedrawnArea, &rect);
    ViewClip viewClip;
    if (EnterViewClip(r, gRedrawnArea, &viewClip)) DrawSelection(we);
    LeaveViewClip(&viewClip);
}

void WEPaintLinesAhead(SInt32 top, SInt32 bottom, WEReference we) {
    WERec& r = RecordOf(we);
    if (IsClassicText() || !r.atsuInfo || r.textLength == 0) return;
    const SInt32 from = std::max<SInt32>(top - r.destRect.top, 0), to = bottom - r.destRect.top;
    if (to <= from || from >= _WETextHeight(r)) return;
    _WEEnsureLines(-1, to, we);
    const SInt32 last = std::min(_WELineAtHeight(r, to - 1), r.lineCount - 1);
    for (SInt32 i = _WELineAtHeight(r, from); i <= last; i++) {
        UnicodeLineRef ref;
        if (FindUnicodeLine(r, LinesOf(r)[i].start, &ref)) PaintUnicodeLineAhead(ref.layout, ref.line);
    }
}
