// Setting the selection: deciding whether an operation changes it, changing it as the operation says,
// moving the hilites and the caret with it and scrolling its active end into view; and the lines,
// paragraphs, words and character classes around an offset.
#include "textengine/engine_internal.h"

#include "foundation/error_dialog.h"

#include <algorithm>
#include <vector>

namespace {

struct Range {
    SInt32 start;
    SInt32 end;
};

std::vector<Range> CopyRanges(const WERec& r, WEReference we) {
    std::vector<Range> ranges(size_t(std::max(r.selCount, SInt32(1))));
    for (size_t i = 0; i < ranges.size(); i++)
        WEGetSelection(&ranges[i].start, &ranges[i].end, SInt32(i), we);
    return ranges;
}

// Pins, orders and notes which end is the anchor.
void PinSelection(WERec& r, SInt32* start, SInt32* end) {
    *start = std::clamp(*start, SInt32(0), r.textLength);
    *end = std::clamp(*end, SInt32(0), r.textLength);
    if (*end < *start) {
        std::swap(*start, *end);
        r.stateBits |= kWEStateAnchorIsEnd;
    } else {
        r.stateBits &= ~kWEStateAnchorIsEnd;
    }
}

// Adding a range that touches or overlaps a plain selection widens it instead of making a list.
void AddToPlainSelection(WERec& r, SInt32 start, SInt32 end) {
    SInt32& oldStart = r.selStart.offset;
    SInt32& oldEnd = r.selEnd.offset;
    if (start > oldEnd || end < oldStart) {
        r.selCount = AddThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        return;
    }
    if (oldStart >= start && oldStart <= end) oldStart = start;
    if (oldEnd >= start && oldEnd <= end) oldEnd = end;
}

} // namespace

Boolean CheckChangeSelection(SInt32 count, const WESelectionField& starts, const WESelectionField& ends,
                             SInt32 start, SInt32 end, SInt16 mode) {
    const SInt32 n = count > 0 ? count : 1;
    auto startAt = [&](SInt32 i) { return count > 0 ? RangesOf(starts.ranges)[i] : starts.offset; };
    auto endAt = [&](SInt32 i) { return count > 0 ? RangesOf(ends.ranges)[i] : ends.offset; };
    switch (mode) {
    case 0:
        for (SInt32 i = 0; i < n; i++)
            if (startAt(i) != start || endAt(i) != end) return true;
        return false;
    case 1:
        for (SInt32 i = 0; i < n; i++) {
            const bool inside = start >= startAt(i) && end <= endAt(i);
            const bool emptyBesideRange = start == end && startAt(i) != endAt(i);
            if (!inside && !emptyBesideRange) return true;
        }
        return false;
    case 2:
        return start != end;
    case 3:
        if (start == end) return false;
        for (SInt32 i = 0; i < n; i++)
            if (endAt(i) > start && startAt(i) < end) return true;
        return false;
    default:
        return false;
    }
}

OSErr WESetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we) {
    WERec& r = RecordOf(we);
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    PinSelection(r, &start, &end);
    std::vector<Range> old;
    bool changed = false;
    if (mode != 4) {
        changed = CheckChangeSelection(r.selCount, r.selStart, r.selEnd, start, end, mode);
        // The old hilites are taken down only by a record that draws: a quiet change copies nothing.
        if (changed && !HasFeature(r, weFInhibitRecal) && !HasFeature(r, weFInhibitRedraw))
            old = CopyRanges(r, we);
    }
    if (changed) {
        r.stateBits &= ~kWEStateTypingStyle;
        r.clickCount = 0;
        _WEHideCaret(we);
        switch (mode) {
        case 1:
            if (r.selCount == 0)
                AddToPlainSelection(r, start, end);
            else
                r.selCount = AddThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
            break;
        case 2:
            r.selCount = InvertThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
            break;
        case 3:
            r.selCount = NotThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
            break;
        default:
            ResetSelStartEnd(&r, start, end);
            break;
        }
    }
    if (!HasFeature(r, weFInhibitRecal) && !HasFeature(r, weFInhibitRedraw) && changed) {
        const bool inhibited = gInhibitWEHiliting != 0 && old.size() > 1;
        if (!inhibited)
            for (const Range& range : old)
                _WEHiliteRange(range.start, range.end, we);
        _WEHiliteAllRanges(we);
    }
    if (!HasFeature(r, weFInhibitRecal) && !HasFeature(r, weFInhibitRedraw) &&
        !(r.stateBits & kWEStateTracking)) {
        SInt32 first, last;
        WEGetSelection(&first, &last, 0, we);
        if (first == last && r.selCount == 0 && !(r.stateBits & kWEStateCaretShown)) _WEBlinkCaret(we);
        WESelView(we);
    }
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return noErr;
}

OSErr WEFastSetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we) {
    WERec& r = RecordOf(we);
    if (mode == 2) {
        DoErrorMessageText("SelectSpecInvertSelection not allowed in WEFastSetSelection");
        return paramErr;
    }
    if (mode == 3) {
        DoErrorMessageText("SelectSpecOffSelection not allowed in WEFastSetSelection");
        return paramErr;
    }
    PinSelection(r, &start, &end);
    r.stateBits &= ~kWEStateTypingStyle;
    _WEHideCaret(we);
    if (mode == 1)
        r.selCount = AddUniqueSequentialSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
    else
        ResetSelStartEnd(&r, start, end);
    return noErr;
}

OSErr WESelView(WEReference we) {
    const WERec& r = RecordOf(we);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    _WEScrollIntoView((r.stateBits & kWEStateAnchorIsEnd) ? start : end, we);
    return noErr;
}

void WEFindLine(SInt32 offset, SInt16, SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    const SInt32 line = _WEOffsetToLine(r, std::clamp(offset, SInt32(0), r.textLength));
    if (start) *start = LinesOf(r)[line].start;
    if (end) *end = LinesOf(r)[line + 1].start;
}

void WEFindParagraph(SInt32 offset, SInt16, SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    const UInt8* text = TextOf(r);
    const WELineRec* lines = LinesOf(r);
    SInt32 line = _WEOffsetToLine(r, std::clamp(offset, SInt32(0), r.textLength));
    SInt32 first = line;
    while (first > 0 && text[lines[first].start - 1] != 13)
        first--;
    SInt32 last = line;
    while (last + 1 < r.lineCount && text[lines[last + 1].start - 1] != 13)
        last++;
    if (start) *start = lines[first].start;
    if (end) *end = lines[last + 1].start;
}

OSErr WEFindWord(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we) {
    WERec& r = RecordOf(we);
    offset = std::clamp(offset, SInt32(0), r.textLength);
    const SInt32 contextStart = std::max(SInt32(0), offset - 16383);
    const SInt32 contextEnd = std::min(r.textLength, offset + 16383);
    SInt16 offsets[2] = {0, 0};
    auto wordBreak = reinterpret_cast<WEWordBreakProc>(r.hooks[kWEHookWordBreak]);
    wordBreak(TextOf(r) + contextStart, SInt16(contextEnd - contextStart), SInt16(offset - contextStart),
              UInt8(edge), offsets, 0, we);
    if (start) *start = contextStart + offsets[0];
    if (end) *end = contextStart + offsets[1];
    return noErr;
}

// The style run holding the offset, pinned to 16383 bytes either side, as the character hooks' context.
static SInt32 CharacterContext(const WERec& r, SInt32 offset, SInt32* contextEnd) {
    const SInt32 run = _WEOffsetToRun(r, offset);
    const SInt32 start = std::max(RunsOf(r)[run].start, offset - 16383);
    *contextEnd = std::min({RunsOf(r)[run + 1].start, r.textLength, offset + 16383});
    return start;
}

SInt16 WECharByte(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    if (!(r.stateBits & kWEStateDoubleByte) || offset < 0 || offset >= r.textLength) return 0;
    SInt32 contextEnd;
    const SInt32 contextStart = CharacterContext(r, offset, &contextEnd);
    auto charByte = reinterpret_cast<WECharClassProc>(r.hooks[kWEHookCharByte]);
    return charByte(TextOf(r) + contextStart, SInt16(offset - contextStart), 0, we);
}

SInt16 WECharType(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    if (offset < 0 || offset >= r.textLength) return 0;
    SInt32 contextEnd;
    const SInt32 contextStart = CharacterContext(r, offset, &contextEnd);
    auto charType = reinterpret_cast<WECharClassProc>(r.hooks[kWEHookCharType]);
    return charType(TextOf(r) + contextStart, SInt16(offset - contextStart), 0, we);
}
