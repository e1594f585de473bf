// Drawing a record's lines into its port: each line erased when asked, its text drawn from the pen indent
// on its baseline (a whole line at once from the Unicode layout, run by run through the draw hook in the
// classic mode), and the update entry point that redraws what a region exposes.
#include "textengine/engine_internal.h"

#include "textengine/paragraph_layouts.h"
#include "textengine/text_effects.h"

#include "platform/text_drawing.h"

#include <algorithm>

namespace {

Rect ToRect(const LongRect& r) {
    auto pin = [](SInt32 v) { return SInt16(std::clamp<SInt32>(v, -32768, 32767)); };
    return Rect{pin(r.top), pin(r.left), pin(r.bottom), pin(r.right)};
}

struct DrawState {
    bool erase = false;
    bool withColor = false;
    bool offscreenAvailable = false; // erasing lines are composed off screen and copied in one piece
    bool offscreenLine = false;      // the current line is being drawn off screen
    Rect drawRect{};                 // the current line within the view
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
    const Rect rect = ToRect(lineRect), view = ToRect(r.viewRect);
    SectRect(&rect, &view, &state.drawRect);
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
    if (!run.style.style.extra) { // objects are drawn by their handlers
        const Fixed slop = _WESegmentSlop(r, line, text, length, position);
        reinterpret_cast<WEDrawTextProc>(r.hooks[kWEHookDrawText])(text, length, slop, position, we);
    }
    if (position == 0 || position == 2) EndLine(r, state);
    return false;
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
        }
        EndLine(r, state);
    }
}

// The record's port made current and clipped to the view (and to extra, when given), whoever set the clip.
struct ViewClip {
    GrafPtr savedPort = nullptr;
    RgnHandle oldClip = nullptr;
    RgnHandle clip = nullptr;
};

// False when nothing of the view can be drawn; LeaveViewClip undoes it either way.
bool EnterViewClip(const WERec& r, RgnHandle extra, ViewClip* v) {
    GetPort(&v->savedPort);
    SetPort(r.port);
    v->oldClip = NewRgn();
    v->clip = NewRgn();
    GetClip(v->oldClip);
    const Rect view = ToRect(r.viewRect);
    RectRgn(v->clip, &view);
    SectRgn(v->clip, v->oldClip, v->clip);
    if (r.viewRgn) SectRgn(v->clip, r.viewRgn, v->clip);
    if (extra) SectRgn(v->clip, extra, v->clip);
    if (EmptyRgn(v->clip)) return false;
    SetClip(v->clip);
    return true;
}

void LeaveViewClip(ViewClip* v) {
    SetClip(v->oldClip);
    DisposeRgn(v->clip);
    DisposeRgn(v->oldClip);
    SetPort(v->savedPort);
}

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
    }
    LeaveViewClip(&viewClip);
}
