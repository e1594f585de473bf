// Inline input: the text an input method composes stands in the text itself, underlined as the input
// method marks it, until the input method confirms it; the confirmed text is typing like any other and
// undoes with it.
#include "textengine/undo_action.h"

#include "foundation/window_references.h"

#include "platform/events.h"

#include <algorithm>
#include <cstdlib>

// Called after each update with what it confirmed, the composed text's bounds and the span it rewrote.
using WEPostUpdateProc = void (*)(WEReference we, SInt32 confirmed, SInt32 areaStart, SInt32 areaEnd,
                                  SInt32 pinStart, SInt32 pinEnd);

namespace {

// The marking of composed text in a run's flags byte: underlined, thick when selected, black once
// converted.
UInt8 InputFlags(SInt16 style) {
    return UInt8(16 + 32 * (style - 2));
}

OSErr MarkRange(SInt32 start, SInt32 end, UInt8 flags, WEReference we) {
    WETextStyle style;
    style.faceMask = flags;
    return start < end ? _WESetStyleRange(start, end, weDoFlags, &style, we) : OSErr(noErr);
}

// The typing action the inline text belongs to grows by what was confirmed.
void GrowTyping(SInt32 length, WEReference we) {
    Handle action = UndoActionOf(RecordOf(we));
    if (action && length > 0 && ActionOf(action).kind == kWEActionTyping)
        ActionOf(action).newLength += length;
}

// Where the input method shows its choices: under the caret of the composed text.
void PlaceInputMethodArea(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    WindowPtr window = r.port ? GetWindowFromPort(r.port) : nullptr;
    if (!window) return;
    LongPoint p;
    SInt16 height = 0;
    WEGetPoint(offset, 1, &p, &height, we);
    Point top;
    WELongPointToPoint(&p, &top);
    SetInputMethodArea(window, Rect{top.v, top.h, SInt16(top.v + height), SInt16(top.h + 1)});
}

// Marks the composed ranges, made absolute from areaStart, in order; style 1 (either sign) places the
// selection instead. The first error stops.
OSErr HiliteRangeArray(const WEInputRange* ranges, SInt16 count, SInt32 areaStart, WEReference we) {
    OSErr err = noErr;
    for (SInt16 i = 0; i < count && err == noErr; i++) {
        const SInt32 start = areaStart + ranges[i].start, end = areaStart + ranges[i].end;
        const SInt16 style = SInt16(std::abs(ranges[i].style));
        if (style == 1)
            err = WESetSelection(start, end, 0, we);
        else if (style >= 2 && style <= 5)
            err = MarkRange(start, end, InputFlags(style), we);
    }
    return err;
}

} // namespace

void WEGetInputArea(SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    if (start) *start = r.inputAreaStart;
    if (end) *end = r.inputAreaEnd;
}

OSErr WEUpdateInputArea(const UInt8* text, SInt32 length, SInt32 confirmed, const WEInputRange* ranges,
                        SInt16 rangeCount, WEReference we) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    if (auto pre = reinterpret_cast<WENotifyProc>(r.hooks[kWEHookPreUpdate])) pre(we);
    _WEHideCaret(we);
    length = std::max(length, SInt32(0));
    confirmed = confirmed < 0 ? length : std::min(confirmed, length);

    if (r.inputAreaStart < 0) {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        // Several ranges give way to the first: the composed text goes there.
        if (r.selCount > 0) WESetSelection(start, end, 0, we);
        r.inputAreaStart = start;
        r.inputAreaEnd = end;
        // Text composed right after typed text undoes with it.
        if (!WEIsTyping(we)) {
            r.modCount++;
            _WEForgetUndoOutsideBlock(we);
            _WERecordAction(start, end, 0, kWEActionTyping, 0, we);
        }
    }
    const SInt32 areaStart = r.inputAreaStart;
    OSErr err = _WEDeleteRange(areaStart, r.inputAreaEnd, we);
    if (err == noErr) {
        _WESynchNullStyle(we);
        err = _WEInsertText(areaStart, text, length, we);
    }
    if (err == noErr) {
        // Confirmed text is plain text; what is still composed carries the input method's marking.
        MarkRange(areaStart, areaStart + length, 0, we);
        const SInt32 composedStart = areaStart + confirmed;
        if (rangeCount > 0 && ranges && confirmed < length)
            HiliteRangeArray(ranges, rangeCount, composedStart, we);
        bool caretSet = false;
        for (SInt16 i = 0; i < rangeCount && ranges; i++)
            caretSet = caretSet || std::abs(ranges[i].style) == 1;
        if (!caretSet) ResetSelStartEnd(&r, areaStart + length, areaStart + length);
        _WERedraw(areaStart, areaStart + length, we);
        SInt32 caret, ignored;
        WEGetSelection(&caret, &ignored, 0, we);
        if (HasFeature(r, weFAutoScroll)) _WEScrollIntoView(caret, we);
        GrowTyping(confirmed, we);
        if (confirmed < length) {
            r.inputAreaStart = composedStart;
            r.inputAreaEnd = areaStart + length;
        } else {
            r.inputAreaStart = r.inputAreaEnd = -1;
        }
        PlaceInputMethodArea(caret, we);
    } else {
        r.inputAreaStart = r.inputAreaEnd = -1;
    }
    if (auto post = reinterpret_cast<WEPostUpdateProc>(r.hooks[kWEHookPostUpdate]))
        post(we, confirmed, r.inputAreaStart, r.inputAreaEnd, areaStart, areaStart + length);
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return err;
}

void WEStopInlineSession(WEReference we) {
    WERec& r = RecordOf(we);
    if (r.inputAreaStart < 0) return;
    // What is composed stays as it stands, confirmed; the input method forgets it.
    const SInt32 start = r.inputAreaStart, end = std::min(r.inputAreaEnd, r.textLength);
    r.inputAreaStart = r.inputAreaEnd = -1;
    MarkRange(start, end, 0, we);
    GrowTyping(end - start, we);
    _WERedraw(start, end, we);
    ResetInputMethod();
}
