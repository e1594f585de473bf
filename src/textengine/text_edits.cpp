// The two primitive edits, inserting bytes and deleting a range, which keep text, runs, styles, lines and
// the UTF-16 copy consistent.
#include "textengine/engine_internal.h"

#include <algorithm>

OSErr _WEInsertText(SInt32 offset, const void* text, SInt32 length, WEReference we) {
    if (length < 1) return noErr;
    WERec& r = RecordOf(we);
    if (offset < 0 || offset > r.textLength) return paramErr;
    OSErr err = _WESplice(r.text, text, length, offset);
    if (err != noErr) return err;
    _WEInsertUnicode(offset, static_cast<const UInt8*>(text), length, we);

    _WEBumpLineStart(_WEOffsetToLine(r, offset) + 1, length, r);
    // Text typed at a run boundary joins the run before it.
    _WEBumpRunStart(_WEOffsetToRun(r, offset - 1) + 1, length, r);
    r.textLength += length;
    r.clickCount = 0;
    r.typingStyle.style.extra = nullptr;

    if (r.stateBits & kWEStateTypingStyle)
        err = _WESetStyleRange(offset, offset + length, weDoAll | weDoExtra, &r.typingStyle.style, we);
    else
        err = _WESetStyleRange(offset, offset + length, weDoExtra, &r.typingStyle.style, we);
    if (auto flux = reinterpret_cast<WEFluxProc>(r.hooks[kWEHookFlux])) flux(offset, length, we);
    return err;
}

OSErr _WEDeleteRange(SInt32 start, SInt32 end, WEReference we) {
    WERec& r = RecordOf(we);
    end = std::min(end, r.textLength);
    start = std::max(start, 0);
    if (start >= end) return noErr;

    const WEStyleEntry& atStart = StylesOf(r)[RunsOf(r)[_WEOffsetToRun(r, start)].styleIndex];
    r.typingStyle = atStart.record;
    r.stateBits |= kWEStateTypingStyle;
    // The typing style never carries an object: an object at start goes with the deleted text, and the
    // object of the character before a deletion at the end stays where it is.
    r.typingStyle.style.extra = nullptr;

    OSErr err = _WERemoveLineRange(start, end, r);
    if (err == noErr) err = _WERemoveRunRange(start, end, r);
    if (err == noErr) err = _WESplice(r.text, nullptr, start - end, start);
    if (err != noErr) return err;
    _WEDeleteUnicode(start, end, we);
    r.textLength -= end - start;
    r.clickCount = 0;
    if (auto flux = reinterpret_cast<WEFluxProc>(r.hooks[kWEHookFlux])) flux(start, start - end, we);
    return noErr;
}
