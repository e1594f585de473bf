// Keeping the line array's starts in step with edits until the line layout breaks the lines again.
#include "textengine/engine_internal.h"

#include <algorithm>

SInt32 _WEOffsetToLine(const WERec& r, SInt32 offset) {
    const WELineRec* lines = LinesOf(r);
    const WELineRec* found =
        std::upper_bound(lines, lines + r.lineCount, offset,
                         [](SInt32 value, const WELineRec& line) { return value < line.start; });
    return std::max<SInt32>(0, SInt32(found - lines) - 1);
}

void _WEBumpLineStart(SInt32 lineIndex, SInt32 delta, WERec& r) {
    WELineRec* lines = LinesOf(r);
    for (SInt32 i = std::max<SInt32>(lineIndex, 0); i <= r.lineCount; i++)
        lines[i].start += delta;
}

OSErr _WERemoveLines(SInt32 first, SInt32 count, WERec& r) {
    if (count <= 0) return noErr;
    const SInt32 provisionalRemoved =
        std::max<SInt32>(0, first + count - std::max(first, _WEFirstProvisionalLine(r)));
    const OSErr err =
        _WESplice(r.lines, nullptr, -count * Size(sizeof(WELineRec)), first * Size(sizeof(WELineRec)));
    if (err != noErr) return err;
    r.provisionalLineCount = std::max<SInt32>(0, r.provisionalLineCount - provisionalRemoved);
    r.lineCount -= count;
    return noErr;
}

OSErr _WERemoveLineRange(SInt32 start, SInt32 end, WERec& r) {
    SInt32 firstLine = _WEOffsetToLine(r, start);
    SInt32 lastLine = _WEOffsetToLine(r, end);
    if (lastLine > firstLine) {
        OSErr err = _WERemoveLines(firstLine + 1, lastLine - firstLine, r);
        if (err != noErr) return err;
    }
    _WEBumpLineStart(firstLine + 1, start - end, r);
    return noErr;
}
