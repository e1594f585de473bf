// Editing and keeping many selected ranges at once: deleting them all, saving and restoring them, and
// moving the script's bookmarks and soft returns after an edit of every range.
#include "textengine/engine_internal.h"

#include "platform/memory.h"
#include "scroll/scroll_engine.h"

#include <algorithm>

OSErr WEDeleteSelections(WEReference we, SInt32* lowestStart, SInt32* highestEnd) {
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    *lowestStart = 0x7FFFFFFF;
    *highestEnd = 0;
    // From the last range down, so that the offsets of the ranges still to delete stay valid.
    for (SInt32 index = std::max(r.selCount, SInt32(1)) - 1; index >= 0; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        *lowestStart = std::min(*lowestStart, start);
        *highestEnd = std::max(*highestEnd, end);
        OSErr err = _WEDeleteRange(start, end, we);
        if (err != noErr) return err;
        if (r.selCount > 0) {
            r.selCount = RemoveThisSelection(r.selCount, index, r.selStart.ranges, r.selEnd.ranges);
            if (r.selCount == 0) r.selStart.ranges = r.selEnd.ranges = nullptr;
        }
        if (index == 0) ResetSelStartEnd(&r, start, start);
    }
    return noErr;
}

SInt32 WESaveSelections(Handle* starts, Handle* ends, WEReference we, Boolean toReal) {
    const WERec& r = RecordOf(we);
    SInt32 count = std::max(r.selCount, SInt32(1));
    *starts = NewHandle(count * Size(sizeof(SInt32)));
    *ends = *starts ? NewHandle(count * Size(sizeof(SInt32))) : nullptr;
    if (!*ends) {
        _WEForgetHandle(starts);
        return 0;
    }
    for (SInt32 i = 0; i < count; i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        if (toReal) {
            start = GetRealEditPosition(start);
            end = GetRealEditPosition(end);
        }
        RangesOf(*starts)[i] = start;
        RangesOf(*ends)[i] = end;
    }
    return count;
}

void WERestoreSelections(SInt32 count, WESelectionField starts, WESelectionField ends, WEReference we,
                         SInt16 mode, Boolean fromReal, Boolean dispose, Boolean sameModeForAll) {
    if (count == 0) {
        WESetSelection(starts.offset, ends.offset, mode, we);
        return;
    }
    if (!starts.ranges || !ends.ranges) return;
    for (SInt32 i = 0; i < count; i++) {
        SInt32 start = RangesOf(starts.ranges)[i], end = RangesOf(ends.ranges)[i];
        if (fromReal) {
            start = SetRealEditPosition(start);
            end = SetRealEditPosition(end);
        }
        WESetSelection(start, end, (i == 0 && !sameModeForAll) ? SInt16(0) : mode, we);
    }
    if (dispose) {
        DisposeHandle(starts.ranges);
        DisposeHandle(ends.ranges);
    }
}

// Calls adjust(start, amount, end) for every saved range, the first with firstAmount, the rest with
// otherAmount. The ranges are offsets from before the edit, so they go from the last back: each adjustment
// then meets the text before it exactly as it was.
template <typename Adjust>
static void ForEachSavedRange(SInt32 count, WESelectionField starts, WESelectionField ends,
                              SInt32 firstAmount, SInt32 otherAmount, Boolean dispose, Adjust adjust) {
    if (count == 0) {
        adjust(starts.offset, firstAmount, ends.offset);
        return;
    }
    if (!starts.ranges || !ends.ranges) return;
    for (SInt32 i = count - 1; i >= 0; i--)
        adjust(RangesOf(starts.ranges)[i], i == 0 ? firstAmount : otherAmount, RangesOf(ends.ranges)[i]);
    if (dispose) {
        DisposeHandle(starts.ranges);
        DisposeHandle(ends.ranges);
    }
}

void WEAdjustManyBookmarks(SInt32 count, WESelectionField starts, WESelectionField ends, SInt32 firstAmount,
                           SInt32 otherAmount, Boolean dispose) {
    ForEachSavedRange(
        count, starts, ends, firstAmount, otherAmount, dispose,
        [](SInt32 start, SInt32 amount, SInt32 end) { AdjustBookmarks(start, amount, end - start); });
}

void WEAdjustManyFakeReturns(SInt32 count, WESelectionField starts, WESelectionField ends, SInt32 firstAmount,
                             SInt32 otherAmount, Boolean dispose) {
    ForEachSavedRange(
        count, starts, ends, firstAmount, otherAmount, dispose,
        [](SInt32 start, SInt32 amount, SInt32 end) { AdjustFakeReturns(start, amount - (end - start)); });
}
