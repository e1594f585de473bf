// Applying a style mode to a range of text: splitting the runs at the range's ends, giving the runs inside
// their new styles and joining neighbours that end up alike.
#include "textengine/engine_internal.h"

#include <algorithm>

UInt8 _WEContinuousFace(SInt32 start, SInt32 end, const WERec& r) {
    const WERunRec* runs = RunsOf(r);
    const WEStyleEntry* styles = StylesOf(r);
    SInt32 run = _WEOffsetToRun(r, start);
    UInt8 face = styles[runs[run].styleIndex].record.style.face;
    for (run++; run < r.runCount && runs[run].start < end; run++)
        face &= styles[runs[run].styleIndex].record.style.face;
    return face;
}

OSErr _WESetStyleRange(SInt32 start, SInt32 end, UInt16 mode, const WETextStyle* style, WEReference we) {
    WERec& r = RecordOf(we);
    end = std::min(end, r.textLength);
    if (start >= end && r.textLength > 0) return noErr;
    UInt8 continuousFace = (mode & weDoToggleFace) ? _WEContinuousFace(start, end, r) : 0;

    SInt32 run = _WEOffsetToRun(r, start);
    SInt32 offset = start;
    SInt32 newIndex = -1;
    do {
        const WERunRec* runs = RunsOf(r);
        SInt32 runStart = runs[run].start;
        SInt32 runEnd = std::min(runs[run + 1].start, r.textLength);
        SInt32 oldIndex = runs[run].styleIndex;
        WETextStyle changed = StylesOf(r)[oldIndex].record.style;
        _WECopyStyle(style, &changed, continuousFace, mode);
        if (r.atsuInfo && !(mode & weDoExtra))
            SetLayoutRunStyle(std::max(start, runStart), std::min(end, runEnd), mode, style, we);
        OSErr err = _WENewStyle(&changed, &newIndex, r);
        if (err != noErr) return err;

        runs = RunsOf(r);
        if (run > 0 && offset == runStart && runs[run - 1].styleIndex == newIndex) {
            if (end < runEnd && oldIndex != newIndex) {
                // Only the front of this run joins the previous one; the rest keeps its own style.
                RunsOf(r)[run].start = end;
            } else {
                err = _WERemoveRun(run, r);
                if (err != noErr) return err;
                run--;
            }
        } else if (oldIndex != newIndex) {
            if (offset > runStart) {
                err = _WEInsertRun(run, offset, newIndex, r);
                if (err != noErr) return err;
                run++;
            } else {
                _WEChangeRun(run, newIndex, end < runEnd, r);
            }
            if (end < runEnd) {
                err = _WEInsertRun(run, end, oldIndex, r);
                if (err != noErr) return err;
            }
        }
        run++;
        offset = runEnd;
    } while (offset < end);

    const WERunRec* runs = RunsOf(r);
    if (run < r.runCount && runs[run].start == end && runs[run].styleIndex == newIndex &&
        runs[run - 1].styleIndex == newIndex)
        return _WERemoveRun(run, r);
    return noErr;
}
