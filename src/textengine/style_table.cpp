// The style table with its reference counts and the run array: finding styles, inserting, changing and
// removing runs, and cutting a range out of the runs.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>

Boolean _WEStylesEqual(const WETextStyle& a, const WETextStyle& b) {
    return a.font == b.font && a.face == b.face && a.faceMask == b.faceMask && a.size == b.size &&
           a.color == b.color && a.extra == b.extra;
}

SInt32 _WEOffsetToRun(const WERec& r, SInt32 offset) {
    const WERunRec* runs = RunsOf(r);
    // The last run whose start is at or before the offset; the sentinel never answers.
    const WERunRec* found = std::upper_bound(
        runs, runs + r.runCount, offset, [](SInt32 value, const WERunRec& run) { return value < run.start; });
    return std::max<SInt32>(0, SInt32(found - runs) - 1);
}

// A style loses a run: when no run uses it any more its object goes with it.
static void DropStyleReference(SInt32 styleIndex, WERec& r, Boolean freeObject) {
    WEStyleEntry& entry = StylesOf(r)[styleIndex];
    if (--entry.refCount > 0 || !freeObject) return;
    if (WEObjectReference object = entry.record.style.extra) {
        entry.record.style.extra = nullptr;
        _WEFreeObject(object);
    }
}

OSErr _WEInsertRun(SInt32 runIndex, SInt32 start, SInt32 styleIndex, WERec& r) {
    WERunRec run{start, styleIndex};
    OSErr err = _WESplice(r.runs, &run, sizeof(WERunRec), (runIndex + 1) * Size(sizeof(WERunRec)));
    if (err != noErr) return err;
    r.runCount++;
    StylesOf(r)[styleIndex].refCount++;
    return noErr;
}

OSErr _WERemoveRun(SInt32 runIndex, WERec& r) {
    SInt32 styleIndex = RunsOf(r)[runIndex].styleIndex;
    OSErr err = _WESplice(r.runs, nullptr, -Size(sizeof(WERunRec)), runIndex * Size(sizeof(WERunRec)));
    if (err != noErr) return err;
    r.runCount--;
    DropStyleReference(styleIndex, r, true);
    return noErr;
}

void _WEChangeRun(SInt32 runIndex, SInt32 styleIndex, Boolean keepOld, WERec& r) {
    WERunRec& run = RunsOf(r)[runIndex];
    SInt32 oldIndex = run.styleIndex;
    run.styleIndex = styleIndex;
    StylesOf(r)[styleIndex].refCount++;
    const WEStyleEntry* styles = StylesOf(r);
    Boolean sameObject = styles[oldIndex].record.style.extra == styles[styleIndex].record.style.extra;
    DropStyleReference(oldIndex, r, !keepOld && !sameObject);
}

OSErr _WENewStyle(const WETextStyle* style, SInt32* index, WERec& r) {
    WEStyleEntry* styles = StylesOf(r);
    SInt32 freeSlot = -1;
    for (SInt32 i = 0; i < r.styleCount; i++) {
        if (styles[i].refCount == 0) {
            freeSlot = i;
        } else if (_WEStylesEqual(styles[i].record.style, *style)) {
            *index = i;
            return noErr;
        }
    }
    WEStyleEntry entry;
    entry.record.style = *style;
    _WEFillFontInfo(r.port, &entry.record);
    if (freeSlot < 0) {
        OSErr err = _WESplice(r.styles, &entry, sizeof(WEStyleEntry), -1);
        if (err != noErr) return err;
        freeSlot = r.styleCount++;
    } else {
        StylesOf(r)[freeSlot] = entry;
    }
    *index = freeSlot;
    return noErr;
}

void _WEBumpRunStart(SInt32 runIndex, SInt32 delta, WERec& r) {
    WERunRec* runs = RunsOf(r);
    for (SInt32 i = std::max<SInt32>(runIndex, 0); i <= r.runCount; i++)
        runs[i].start += delta;
}

OSErr _WERemoveRunRange(SInt32 start, SInt32 end, WERec& r) {
    SInt32 first = _WEOffsetToRun(r, start);
    // A deletion that reaches the end of the text takes the last run with it, or it would stay behind empty.
    SInt32 last = end >= r.textLength ? r.runCount - 1 : _WEOffsetToRun(r, end) - 1;
    for (SInt32 i = last; i > first; i--) {
        OSErr err = _WERemoveRun(i, r);
        if (err != noErr) return err;
    }
    _WEBumpRunStart(first + 1, start - end, r);
    WERunRec* runs = RunsOf(r);
    // A run that began inside the removed range now begins where the range was.
    if (first + 1 < r.runCount && runs[first + 1].start < start) runs[first + 1].start = start;

    SInt32 joinAfter = first + 1;
    SInt32 firstEnd = first + 1 < r.runCount ? runs[first + 1].start : r.textLength - (end - start);
    if (runs[first].start >= firstEnd && r.runCount > 1) {
        OSErr err = _WERemoveRun(first, r);
        if (err != noErr) return err;
        joinAfter = first;
    }
    runs = RunsOf(r);
    if (joinAfter > 0 && joinAfter < r.runCount &&
        runs[joinAfter - 1].styleIndex == runs[joinAfter].styleIndex)
        return _WERemoveRun(joinAfter, r);
    return noErr;
}
