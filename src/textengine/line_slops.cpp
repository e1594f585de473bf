// The room left on each line and how full justification spends it, the pen indent that alignment gives a
// line, and changing a record's alignment and direction.
#include "textengine/engine_internal.h"

#include "textengine/paragraph_layouts.h"
#include "textengine/text_effects.h"

#include "platform/text_drawing.h"

#include <algorithm>

namespace {

struct SlopState {
    SInt32 remaining = 0;
    SInt32 units = 0;
};

bool EndsParagraph(const WERec& r, const WELineRec& line) {
    const SInt32 end = (&line)[1].start;
    return end >= r.textLength || (end > line.start && TextOf(r)[end - 1] == 13);
}

void StoreSlop(const WERec& r, WELineRec& line, SInt32 remaining, SInt32 units) {
    line.slack = SInt16(std::clamp<SInt32>(remaining, 0, 32767));
    if (EndsParagraph(r, line))
        line.justStep = 0;
    else
        line.justStep = units > 0 ? (SInt32(line.slack) << 16) / units : SInt32(line.slack) << 16;
}

SInt32 VisibleLength(const UInt8* text, SInt32 length) {
    while (length > 0 && text[length - 1] <= 32)
        length--;
    return length;
}

// Classic measuring: the blanks of a segment are where justification adds its room.
SInt32 BlankCount(const UInt8* text, SInt32 length) {
    return SInt32(std::count(text, text + length, UInt8(' ')));
}

Boolean SLCalcSlop(const WELineRec& line, const WERunInfo& run, const UInt8* text, SInt32, SInt32 length,
                   SInt16 position, WEReference we, void* data) {
    auto& state = *static_cast<SlopState*>(data);
    WERec& r = RecordOf(we);
    if (position == 0 || position == 1) {
        state.remaining = r.destRect.right - r.destRect.left;
        state.units = 0;
    }
    if (run.style.style.extra) {
        state.remaining -= WEGetObjectSize(run.style.style.extra).h;
    } else {
        if (position == 0 || position == 2) length = VisibleLength(text, length);
        // Measured as drawing and hit testing measure, through the record's hook.
        auto measure = reinterpret_cast<WECharToPixelProc>(r.hooks[kWEHookCharToPixel]);
        state.remaining -= measure(text, length, 0, length, 0, position, we);
        state.units += BlankCount(text, length);
    }
    if (position == 0 || position == 2)
        StoreSlop(r, const_cast<WELineRec&>(line), state.remaining, state.units);
    return false;
}

// Unicode measuring: the laid-out line knows its visible width; every character is a unit.
void UnicodeSlops(SInt32 firstLine, SInt32 lastLine, WERec& r) {
    for (SInt32 i = firstLine; i <= lastLine; i++) {
        WELineRec& line = LinesOf(r)[i];
        UnicodeLineRef ref;
        SInt32 width = 0;
        if (FindUnicodeLine(r, line.start, &ref, false)) {
            UnicodeLineInfo info;
            GetUnicodeLine(ref.layout, ref.line, &info);
            width = info.width;
        }
        const SInt32 length = LinesOf(r)[i + 1].start - line.start;
        StoreSlop(r, line, r.destRect.right - r.destRect.left - width,
                  VisibleLength(TextOf(r) + line.start, length));
    }
}

} // namespace

void _WERecalSlops(SInt32 firstLine, SInt32 lastLine, WEReference we) {
    WERec& r = RecordOf(we);
    firstLine = std::clamp(firstLine, SInt32(0), r.lineCount - 1);
    lastLine = std::clamp(lastLine, SInt32(0), r.lineCount - 1);
    // Provisional lines are measured when they are broken for real.
    lastLine = std::min(lastLine, _WEFirstProvisionalLine(r) - 1);
    if (lastLine < firstLine) return;
    if (!IsClassicText() && r.atsuInfo) {
        UnicodeSlops(firstLine, lastLine, r);
        return;
    }
    SlopState state;
    _WESegmentLoop(firstLine, lastLine, &SLCalcSlop, &state, we);
}

SInt32 _WECalcPenIndent(const WELineRec& line, SInt8 alignment, SInt16 direction) {
    switch (alignment) {
    case -1:
        return line.slack;
    case 1:
        return line.slack / 2;
    case -2:
        return 0;
    case 2:
        if (line.justStep > 0) return 0;
        break;
    default:
        break;
    }
    return direction == -1 ? line.slack : 0;
}

OSErr WESetAlignment(SInt8 alignment, WEReference we) {
    WERec& r = RecordOf(we);
    if (alignment < -2 || alignment > 2 || alignment == r.alignment) return noErr;
    r.alignment = alignment;
    if (HasFeature(r, weFInhibitRecal)) return noErr;
    // Justification changes where the Unicode layout puts its glyphs, not its breaks.
    NewLayoutBreaks(we);
    _WERecalSlops(0, r.lineCount - 1, we);
    if (!HasFeature(r, weFInhibitRedraw)) WEUpdate(nullptr, we);
    return noErr;
}

OSErr WESetDirection(SInt16 direction, WEReference we) {
    WERec& r = RecordOf(we);
    if (direction < -1 || direction > 1 || direction == r.direction) return noErr;
    r.direction = direction;
    if (!HasFeature(r, weFInhibitRecal) && !HasFeature(r, weFInhibitRedraw)) WEUpdate(nullptr, we);
    return noErr;
}
