// The editing calls that work on every selected range: inserting text with its styles, deleting,
// changing styles and letter case, and inserting an embedded object. Each counts a modification,
// records what undo needs and redraws what it changed.
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"
#include "textengine/undo_action.h"

#include "foundation/character_classes.h"

#include <algorithm>
#include <vector>

namespace {

SInt32 RangeCount(const WERec& r) {
    return std::max(r.selCount, SInt32(1));
}

// Inserts one blank at offset when intelligent paste asks for one around start..end; answers the bytes
// inserted.
SInt32 AddIntelligentBlank(SInt32 start, SInt32 end, WEReference we) {
    const SInt16 side = _WEIntelligentPaste(start, end, we);
    if (side == 0) return 0;
    const UInt8 blank = ' ';
    return _WEInsertText(side < 0 ? start : end, &blank, 1, we) == noErr ? 1 : 0;
}

// Moves the bounds of the ranges after index (or the plain selection's end) by delta.
void ShiftFollowingRanges(WERec& r, SInt32 index, SInt32 delta) {
    if (r.selCount == 0) {
        r.selEnd.offset += delta;
        return;
    }
    for (SInt32 i = index + 1; i < r.selCount; i++) {
        RangesOf(r.selStart.ranges)[i] += delta;
        RangesOf(r.selEnd.ranges)[i] += delta;
    }
    RangesOf(r.selEnd.ranges)[index] += delta;
}

void RemoveRange(WERec& r, SInt32 index, SInt32 start) {
    if (r.selCount == 0) {
        ResetSelStartEnd(&r, start, start);
        return;
    }
    r.selCount = RemoveThisSelection(r.selCount, index, r.selStart.ranges, r.selEnd.ranges);
    if (r.selCount == 0) {
        r.selStart.ranges = r.selEnd.ranges = nullptr;
        ResetSelStartEnd(&r, 0, 0);
    }
}

} // namespace

OSErr WEInsert(const void* text, SInt32 length, Handle styleScrap, Handle soup, WEReference we,
               SInt32 range) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    // Damaged styles or objects refuse the whole insertion before anything changes, so that nothing is
    // half done, counted or recorded for undo; callers that want the bare text insert it without them.
    StyleScrapShape shape;
    if (styleScrap && CheckStyleScrap(styleScrap, &shape) != noErr) return weBadStyleScrapErr;
    if (_WECheckSoup(soup) != noErr) return weBadStyleScrapErr;
    WEStopInlineSession(we);
    _WEHideCaret(we);
    r.modCount++;
    _WEForgetUndoOutsideBlock(we);
    SInt32 firstStart, firstEnd;
    WEGetSelection(&firstStart, &firstEnd, range > 0 ? range - 1 : 0, we);
    _WERecordAction(firstStart, firstEnd, length, kWEActionInsert, 0, we);
    Handle action = UndoActionOf(r);

    const SInt32 count = RangeCount(r);
    const SInt32 last = range > 0 ? std::min(range - 1, count - 1) : count - 1;
    const SInt32 first = range > 0 ? last : 0;
    SInt32 lowest = 0x7FFFFFFF, highest = 0, caret = 0;
    OSErr err = noErr;
    for (SInt32 index = last; index >= first && err == noErr; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        err = _WEDeleteRange(start, end, we);
        if (err != noErr) break;
        if (range > 0)
            ShiftFollowingRanges(r, r.selCount > 0 ? index : 0, length - (end - start));
        else
            RemoveRange(r, index, start);
        err = _WEInsertText(start, text, length, we);
        if (err != noErr) break;
        if (styleScrap) _WEApplyStyleScrap(start, start + length, styleScrap, we, nullptr, 0);
        if (soup) _WEApplySoup(start, soup, we);
        const SInt32 blanks = AddIntelligentBlank(start, start + length, we);
        if (index == first && action && UndoActionOf(r) == action) ActionOf(action).newLength += blanks;
        lowest = std::min(lowest, start);
        highest = std::max(highest, start + length + blanks);
        caret = start + length + blanks;
    }
    r.stateBits &= ~kWEStateTypingStyle;
    ClearATSUNullStyle(we);
    if (range == 0) ResetSelStartEnd(&r, caret, caret);
    if (lowest <= highest) _WERedraw(lowest, std::min(highest, r.textLength), we);
    return err;
}

OSErr WEDelete(WEReference we) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    WEStopInlineSession(we);
    _WEHideCaret(we);
    _WEForgetUndoOutsideBlock(we);
    SInt32 lowest = 0x7FFFFFFF, highest = 0;
    for (SInt32 index = RangeCount(r) - 1; index >= 0; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        if (start < end) {
            r.modCount++;
            _WEIntelligentCut(&start, &end, we);
            _WERecordAction(start, end, 0, kWEActionClear, 0, we);
            OSErr err = _WEDeleteRange(start, end, we);
            if (err != noErr) return err;
        }
        RemoveRange(r, index, start);
        if (r.selCount == 0) ResetSelStartEnd(&r, start, start);
        lowest = std::min(lowest, start);
        highest = std::max(highest, start);
    }
    return _WERedraw(lowest, std::min(highest, r.textLength), we);
}

OSErr WESetStyle(UInt16 mode, const WETextStyle* style, WEReference we) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    WEStopInlineSession(we);
    if (HasFeature(r, weFMonoStyled)) {
        OSErr err = _WESetStyleRange(0, r.textLength, mode, style, we);
        if (err == noErr) err = _WERedraw(0, r.textLength, we);
        return err;
    }
    bool forgotten = false;
    SInt32 lowest = 0x7FFFFFFF, highest = 0;
    for (SInt32 index = RangeCount(r) - 1; index >= 0; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        if (start == end) {
            // Nothing selected: the style waits for the next typed character.
            _WESynchNullStyle(we);
            _WECopyStyle(style, &r.typingStyle.style, r.typingStyle.style.face, mode);
            _WEFillFontInfo(r.port, &r.typingStyle);
            if (r.atsuInfo) SetLayoutRunStyle(start, start, mode, style, we);
            if (r.textLength == 0) {
                _WESetStyleRange(0, 0, weDoAll, &r.typingStyle.style, we);
                _WERedraw(0, 0, we);
            }
            return noErr;
        }
        r.modCount++;
        if (!forgotten) _WEForgetUndoOutsideBlock(we);
        forgotten = true;
        _WERecordAction(start, end, end - start, kWEActionStyle, kWEActionNoText | kWEActionNoObjects, we);
        OSErr err = _WESetStyleRange(start, end, mode, style, we);
        if (err != noErr) return err;
        if (r.atsuInfo) gLayoutFormatFlag |= 4;
        lowest = std::min(lowest, start);
        highest = std::max(highest, end);
    }
    return _WERedraw(lowest, highest, we);
}

OSErr WeSetCase(WEReference we, SInt16 mode) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    // The bytes change in place behind the Unicode layout's back; it is built again from the text.
    DisposeATSUDataForMe(we);
    WEStopInlineSession(we);
    r.modCount++;
    SInt32 lowest = 0x7FFFFFFF, highest = 0;
    for (SInt32 index = 0; index < RangeCount(r); index++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        UInt8* text = TextOf(r);
        for (SInt32 i = start; i < end; i++) {
            const UInt8 c = text[i];
            if (!IsAlpha(c)) continue;
            const bool capital = IsCapital(c);
            if ((mode == 0 && !capital) || (mode == 2 && !capital))
                text[i] = UInt8(c >= 'a' && c <= 'z' ? c - 32 : c);
            else if ((mode == 1 || mode == 2) && capital)
                text[i] = UInt8(c >= 'A' && c <= 'Z' ? c + 32 : c);
        }
        if (start < end) {
            lowest = std::min(lowest, start);
            highest = std::max(highest, end);
        }
    }
    r.stateBits &= ~kWEStateTypingStyle;
    // Every changed range is laid out again, not only from the first range's end.
    if (lowest < highest) return _WERedraw(lowest, highest, we);
    return noErr;
}

// Applies something to every range from the last and redraws it; the first error ends the loop.
template <typename Apply> static OSErr ApplyToEveryRange(WEReference we, Apply apply) {
    if (HasFeature(RecordOf(we), weFReadOnly)) return weReadOnlyErr;
    for (SInt32 index = RangeCount(RecordOf(we)) - 1; index >= 0; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        OSErr err = apply(start, end);
        if (err == noErr) err = _WERedraw(start, end, we);
        if (err != noErr) return err;
    }
    return noErr;
}

OSErr WEUseStyleScrap(Handle styleScrap, WEReference we) {
    return ApplyToEveryRange(we, [&](SInt32 start, SInt32 end) {
        return _WEApplyStyleScrap(start, end, styleScrap, we, nullptr, 0);
    });
}

OSErr WEUseSoup(Handle soup, WEReference we) {
    return ApplyToEveryRange(we, [&](SInt32 start, SInt32) { return _WEApplySoup(start, soup, we); });
}

OSErr WEInsertObject(OSType type, Handle data, Point size, WEReference we) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    WEStopInlineSession(we);
    _WEHideCaret(we);
    WEObjectReference object = nullptr;
    OSErr err = _WENewObject(type, data, we, &object);
    if (err != noErr) return err;
    if (size.h != 0 || size.v != 0) WESetObjectSize(object, size);
    r.modCount++;
    _WEForgetUndoOutsideBlock(we);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    _WERecordAction(start, end, 1, kWEActionInsert, 0, we);
    SInt32 lowest, highest;
    err = WEDeleteSelections(we, &lowest, &highest);
    const SInt32 caret = r.selStart.offset;
    const UInt8 marker = 0x01;
    if (err == noErr) err = _WEInsertText(caret, &marker, 1, we);
    WETextStyle carrier;
    carrier.extra = object;
    if (err == noErr) err = _WESetStyleRange(caret, caret + 1, weDoExtra, &carrier, we);
    if (err != noErr) return err;
    ResetSelStartEnd(&r, caret + 1, caret + 1);
    return _WERedraw(caret, std::clamp(highest, caret + 1, r.textLength), we);
}
