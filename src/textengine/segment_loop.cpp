// Walking lines run by run: every consumer of a line's pieces (slack, drawing, hit testing) sees the same
// segments with the port's text state set to each run's style.
#include "textengine/engine_internal.h"

#include "foundation/drawing_environment.h"
#include "platform/text_drawing.h"

#include <algorithm>

void _WESegmentLoop(SInt32 firstLine, SInt32 lastLine, WESegmentProc callback, void* data, WEReference we) {
    WERec& r = RecordOf(we);
    firstLine = std::clamp(firstLine, SInt32(0), r.lineCount - 1);
    lastLine = std::clamp(lastLine, SInt32(0), r.lineCount - 1);
    const bool withColor = (r.stateBits & kWEStateColor) != 0;
    if (r.port) SaveRestoreQDEnvironment(r.port, withColor, true);
    const Boolean linesLocked = _WESetHandleLock(r.lines, true);
    const Boolean textLocked = _WESetHandleLock(r.text, true);
    SInt32 previousRun = -1;
    for (SInt32 i = firstLine; i <= lastLine; i++) {
        const WELineRec& line = LinesOf(r)[i];
        const SInt32 start = line.start, end = LinesOf(r)[i + 1].start;
        const SInt32 firstRun = _WEOffsetToRun(r, start);
        const SInt32 lastRun = _WEOffsetToRun(r, std::max(start, end - 1));
        for (SInt32 run = firstRun; run <= lastRun; run++) {
            WERunInfo info;
            _WEGetIndStyle(run, &info, we);
            if (run != previousRun) {
                TextFont(info.style.style.font);
                TextFace(info.style.style.face);
                TextSize(info.style.style.size);
                previousRun = run;
            }
            const SInt32 from = std::max(info.start, start), to = std::min(info.end, end);
            const SInt16 position = firstRun == lastRun ? 0 : run == firstRun ? 1 : run == lastRun ? 2 : 3;
            if (callback(line, info, TextOf(r) + from, from, std::max<SInt32>(0, to - from), position, we,
                         data))
                break;
        }
    }
    _WESetHandleLock(r.text, textLocked);
    _WESetHandleLock(r.lines, linesLocked);
    if (r.port) SaveRestoreQDEnvironment(r.port, withColor, false);
}
