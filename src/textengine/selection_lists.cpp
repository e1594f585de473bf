// Lists of selected ranges: adding, inverting and removing a range as set operations on sorted intervals,
// and the small operations that keep the two range arrays.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>
#include <vector>

namespace {

struct Interval {
    SInt32 start;
    SInt32 end;
};

// The current selection as intervals: the list's ranges, or the plain range when it is not empty.
std::vector<Interval> CurrentIntervals(SInt32 count, const WESelectionField& starts,
                                       const WESelectionField& ends) {
    std::vector<Interval> list;
    if (count > 0) {
        list.reserve(size_t(count));
        for (SInt32 i = 0; i < count; i++)
            list.push_back({RangesOf(starts.ranges)[i], RangesOf(ends.ranges)[i]});
    } else if (starts.offset < ends.offset) {
        list.push_back({starts.offset, ends.offset});
    }
    return list;
}

enum class Combine { kUnion, kExclusive, kDifference };

bool Member(Combine how, bool inOld, bool inNew) {
    switch (how) {
    case Combine::kUnion:
        return inOld || inNew;
    case Combine::kExclusive:
        return inOld != inNew;
    case Combine::kDifference:
        return inOld && !inNew;
    }
    return false;
}

// Every offset where membership in the old list or in the range can change, walked in order: each stretch
// between two boundaries belongs to the result or not as a whole. Touching stretches merge.
std::vector<Interval> CombineIntervals(const std::vector<Interval>& old, Interval range, Combine how) {
    std::vector<SInt32> boundaries;
    boundaries.reserve(old.size() * 2 + 2);
    for (const Interval& i : old) {
        boundaries.push_back(i.start);
        boundaries.push_back(i.end);
    }
    boundaries.push_back(range.start);
    boundaries.push_back(range.end);
    std::sort(boundaries.begin(), boundaries.end());
    boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());

    std::vector<Interval> result;
    size_t oldIndex = 0;
    for (size_t b = 0; b + 1 < boundaries.size(); b++) {
        SInt32 from = boundaries[b], to = boundaries[b + 1];
        while (oldIndex < old.size() && old[oldIndex].end <= from)
            oldIndex++;
        bool inOld = oldIndex < old.size() && old[oldIndex].start <= from;
        bool inNew = range.start <= from && from < range.end;
        if (!Member(how, inOld, inNew)) continue;
        if (!result.empty() && result.back().end == from)
            result.back().end = to;
        else
            result.push_back({from, to});
    }
    return result;
}

// Stores a list in the selection fields: no range is an insertion point at 0, one range a plain selection.
SInt32 StoreIntervals(const std::vector<Interval>& list, WESelectionField* starts, WESelectionField* ends) {
    WESelectionField newStarts, newEnds;
    SInt32 count = 0;
    for (const Interval& i : list)
        count = AddUniqueSequentialSelection(count, &newStarts, &newEnds, i.start, i.end);
    *starts = newStarts;
    *ends = newEnds;
    return count;
}

void FreeRanges(SInt32 count, WESelectionField* starts, WESelectionField* ends) {
    if (count <= 0) return;
    _WEForgetHandle(&starts->ranges);
    _WEForgetHandle(&ends->ranges);
}

SInt32 Sweep(Combine how, SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
             SInt32 end) {
    if (start >= end) {
        if (count > 0) return count;
        if (how == Combine::kDifference) {
            if (starts->offset >= ends->offset) starts->offset = ends->offset = 0;
        } else {
            starts->offset = ends->offset = start;
        }
        return 0;
    }
    std::vector<Interval> result =
        CombineIntervals(CurrentIntervals(count, *starts, *ends), {start, end}, how);
    FreeRanges(count, starts, ends);
    return StoreIntervals(result, starts, ends);
}

} // namespace

SInt32 AddUniqueSequentialSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends,
                                    SInt32 start, SInt32 end) {
    if (count > 0) {
        if (start >= end) return count == 1 ? 0 : count;
        Size size = (count + 1) * Size(sizeof(SInt32));
        SetHandleSize(starts->ranges, size);
        if (MemError() != noErr) return count;
        SetHandleSize(ends->ranges, size);
        if (MemError() != noErr) {
            SetHandleSize(starts->ranges, size - Size(sizeof(SInt32)));
            return count;
        }
        RangesOf(starts->ranges)[count] = start;
        RangesOf(ends->ranges)[count] = end;
        return count + 1;
    }
    if (start < end && starts->offset < ends->offset) {
        Handle s = NewHandle(2 * sizeof(SInt32));
        Handle e = s ? NewHandle(2 * sizeof(SInt32)) : nullptr;
        if (!e) {
            if (s) DisposeHandle(s);
            return 0;
        }
        RangesOf(s)[0] = starts->offset;
        RangesOf(s)[1] = start;
        RangesOf(e)[0] = ends->offset;
        RangesOf(e)[1] = end;
        starts->ranges = s;
        ends->ranges = e;
        return 2;
    }
    if (start < end || starts->offset >= ends->offset) {
        starts->offset = start;
        ends->offset = end;
    }
    return 0;
}

SInt32 AddThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                        SInt32 end) {
    return Sweep(Combine::kUnion, count, starts, ends, start, end);
}

SInt32 InvertThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                           SInt32 end) {
    return Sweep(Combine::kExclusive, count, starts, ends, start, end);
}

SInt32 NotThisSelection(SInt32 count, WESelectionField* starts, WESelectionField* ends, SInt32 start,
                        SInt32 end) {
    return Sweep(Combine::kDifference, count, starts, ends, start, end);
}

void ChangeThisSelection(SInt32 count, SInt32 index, WESelectionField* starts, WESelectionField* ends,
                         SInt32 start, SInt32 end) {
    if (count == 0) {
        starts->offset = start;
        ends->offset = end;
        return;
    }
    // An index outside the list would write past the arrays.
    if (index < 0 || index >= count) return;
    RangesOf(starts->ranges)[index] = start;
    RangesOf(ends->ranges)[index] = end;
}

SInt32 RemoveThisSelection(SInt32 count, SInt32 index, Handle starts, Handle ends) {
    if (count == 0) return 0;
    if (count < 2) {
        DisposeHandle(starts);
        DisposeHandle(ends);
        return 0;
    }
    if (index < 0 || index >= count) return count;
    SInt32* s = RangesOf(starts);
    SInt32* e = RangesOf(ends);
    std::copy(s + index + 1, s + count, s + index);
    std::copy(e + index + 1, e + count, e + index);
    SetHandleSize(starts, (count - 1) * Size(sizeof(SInt32)));
    SetHandleSize(ends, (count - 1) * Size(sizeof(SInt32)));
    return count - 1;
}

void ResetSelStartEnd(WERec* record, SInt32 start, SInt32 end) {
    FreeRanges(record->selCount, &record->selStart, &record->selEnd);
    record->selCount = 0;
    record->selStart = WESelectionField{start, nullptr};
    record->selEnd = WESelectionField{end, nullptr};
}

Handle CopyMultipleSelectionRanges(Boolean disposeOld, Handle old, SInt32 count, Handle source) {
    if (disposeOld && old) DisposeHandle(old);
    if (count == 0) return source;
    Handle copy = NewHandle(count * Size(sizeof(SInt32)));
    if (copy) std::copy(RangesOf(source), RangesOf(source) + count, RangesOf(copy));
    return copy;
}

Handle ExternalCopyMultipleSelectionRanges(Boolean disposeOld, Handle old, SInt32 count, WEReference we,
                                           SInt16 which) {
    const WERec& r = RecordOf(we);
    return CopyMultipleSelectionRanges(disposeOld, old, count,
                                       which == 0 ? r.selStart.ranges : r.selEnd.ranges);
}
