// The insertion caret: a one-pixel line inverted on the port, so that drawing it twice takes it away; it
// blinks at the caret interval while its text is active and nothing is selected.
#include "textengine/engine_internal.h"
#include "textengine/view_clip.h"

#include "platform/clock.h"
#include "platform/events.h"

void _WEGetCaretRect(SInt32 offset, Rect* rect, WEReference we) {
    const WERec& r = RecordOf(we);
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(offset, 1, &point, &height, we);
    // Left of the point so that the caret sits between two glyphs, except at the text's left edge.
    const SInt32 left = point.h > r.destRect.left ? point.h - 1 : point.h;
    const LongRect caret{point.v, left, point.v + height, left + 1};
    *rect = ToShortRect(caret);
}

void _WEDrawCaret(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    if (!r.port) return;
    Rect caret;
    _WEGetCaretRect(offset, &caret, we);
    ViewClip clip;
    if (EnterViewClip(r, nullptr, &clip)) InvertRect(&caret);
    LeaveViewClip(&clip);
}

void _WEBlinkCaret(WEReference we) {
    WERec& r = RecordOf(we);
    if (!(r.stateBits & kWEStateActive)) return;
    if (HasFeature(r, weFReadOnly) && !(r.stateBits & kWEStateCaretShown)) return;
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    _WEDrawCaret(start, we);
    r.stateBits ^= kWEStateCaretShown;
    r.caretTime = TickCount();
}

void _WEHideCaret(WEReference we) {
    if (RecordOf(we).stateBits & kWEStateCaretShown) _WEBlinkCaret(we);
}

void WEIdle(UInt32* sleepTicks, WEReference we) {
    WERec& r = RecordOf(we);
    UInt32 sleep = 0x7FFFFFFF;
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if ((r.stateBits & kWEStateActive) && start == end) {
        const UInt32 interval = GetCaretTime(), now = TickCount();
        if (now - r.caretTime >= interval) {
            _WEBlinkCaret(we);
            sleep = interval;
        } else {
            sleep = interval - (now - r.caretTime);
        }
    }
    if (sleepTicks) *sleepTicks = sleep;
}
