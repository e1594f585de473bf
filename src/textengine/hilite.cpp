// Hiliting selected ranges: the region a range covers on screen, inverted while the text is active and
// outlined while it is inactive (when asked), both as exclusive-or drawing that a second pass removes.
#include "textengine/engine_internal.h"
#include "textengine/view_clip.h"

#include <algorithm>

namespace {

void AddRect(RgnHandle rgn, RgnHandle scratch, SInt32 left, SInt32 top, SInt32 right, SInt32 bottom) {
    if (left >= right || top >= bottom) return;
    const Rect rect = ToShortRect(LongRect{top, left, bottom, right});
    RectRgn(scratch, &rect);
    UnionRgn(rgn, scratch, rgn);
}

// An offset's point for a hilite, which is cut to the view: an offset among a long text's provisional lines
// lies below the view (the lines through it and one view more are real), and its estimated place does, so
// that selecting the whole text lays out no more of it.
void HilitePoint(SInt32 offset, LongPoint* point, SInt16* height, WEReference we) {
    _WEEnsureViewLines(we);
    const WERec& r = RecordOf(we);
    const SInt32 line = _WEOffsetToLine(r, std::clamp(offset, SInt32(0), r.textLength));
    if (line < _WEFirstProvisionalLine(r)) {
        WEGetPoint(offset, 1, point, height, we);
        return;
    }
    point->v = r.destRect.top + LinesOf(r)[line].origin;
    point->h = r.destRect.left;
    *height = SInt16(std::min<SInt32>(LinesOf(r)[line + 1].origin - LinesOf(r)[line].origin, 0x7FFF));
}

} // namespace

RgnHandle WEGetHiliteRgn(SInt32 start, SInt32 end, WEReference we) {
    const WERec& r = RecordOf(we);
    RgnHandle rgn = NewRgn();
    if (!rgn) return nullptr;
    _WEReorder(&start, &end);
    LongPoint p1, p2;
    SInt16 h1 = 0, h2 = 0;
    HilitePoint(start, &p1, &h1, we);
    HilitePoint(end, &p2, &h2, we);
    RgnHandle scratch = NewRgn();
    if (p1.v == p2.v) {
        AddRect(rgn, scratch, p1.h, p1.v, p2.h, p1.v + h2);
    } else {
        AddRect(rgn, scratch, p1.h, p1.v, r.destRect.right, p1.v + h1);
        if (p1.v + h1 < p2.v) AddRect(rgn, scratch, r.destRect.left, p1.v + h1, r.destRect.right, p2.v);
        AddRect(rgn, scratch, r.destRect.left, p2.v, p2.h, p2.v + h2);
    }
    if (r.viewRgn) SectRgn(rgn, r.viewRgn, rgn);
    DisposeRgn(scratch);
    return rgn;
}

void _WEHiliteRange(SInt32 start, SInt32 end, WEReference we) {
    const WERec& r = RecordOf(we);
    if (start == end || !r.port) return;
    const bool active = r.stateBits & kWEStateActive;
    if (!active && !HasFeature(r, weFOutlineHilite)) return;
    RgnHandle rgn = WEGetHiliteRgn(start, end, we);
    if (!rgn) return;
    ViewClip clip;
    if (EnterViewClip(r, nullptr, &clip)) {
        if (active) {
            InvertRgn(rgn);
        } else {
            PenNormal();
            PenMode(patXor);
            FrameRgn(rgn);
            PenNormal();
        }
    }
    LeaveViewClip(&clip);
    DisposeRgn(rgn);
}

void _WEHiliteAllRanges(WEReference we) {
    const WERec& r = RecordOf(we);
    // Selection changes draw no hilites while recalculation or redraw is inhibited; nor does this.
    if (HasFeature(r, weFInhibitRecal) || HasFeature(r, weFInhibitRedraw)) return;
    const SInt32 count = std::max(r.selCount, SInt32(1));
    for (SInt32 i = 0; i < count; i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        _WEHiliteRange(start, end, we);
    }
}
