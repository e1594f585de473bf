// Laying out a long text only as far as it is shown: provisional lines, one per paragraph, stand for the rest
// of the text until drawing, hit testing or the idle time asks for them and they are broken for real.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstring>

namespace {

// Breaks lines first..last for real; the estimated heights after them move by what the real ones changed.
void BreakForReal(SInt32 first, SInt32 last, WEReference we) {
    SInt32 firstLine = first, lastLine = last;
    if (_WERecalBreaks(&firstLine, &lastLine, we) != noErr) return;
    _WERecalSlops(firstLine, lastLine, we);
}

// The height a paragraph is estimated to take: its tallest style's line, as many times as its characters
// at half an em each fill the width.
SInt32 EstimatedHeight(SInt32 start, SInt32 end, SInt32 width, bool wraps, WELineRec* line, WEReference we) {
    const WERec& r = RecordOf(we);
    SInt16 ascent = 1, descent = 0;
    _WECalcHeights(start, std::max(end, start + 1), &ascent, &descent, we);
    line->ascent = ascent;
    const SInt32 lineHeight = SInt16((ascent + descent) * r.lineSpacing / 100);
    if (!wraps || width <= 0) return lineHeight;
    const WETextStyle& style = StylesOf(r)[RunsOf(r)[_WEOffsetToRun(r, start)].styleIndex].record.style;
    const SInt32 perLine = std::max<SInt32>(1, width / std::max<SInt32>(1, style.size / 2));
    return lineHeight * std::max<SInt32>(1, (end - start + perLine - 1) / perLine);
}

} // namespace

OSErr _WELayOutLazily(WEReference we) {
    WERec& r = RecordOf(we);
    const UInt8* text = TextOf(r);
    SInt32 paragraphs = 0;
    for (const UInt8 *at = text, *end = text + r.textLength; at < end; paragraphs++) {
        const void* cr = std::memchr(at, 13, size_t(end - at));
        at = cr ? static_cast<const UInt8*>(cr) + 1 : end;
    }
    SetHandleSize(r.lines, (paragraphs + 1) * Size(sizeof(WELineRec)));
    if (MemError() != noErr) return MemError();
    text = TextOf(r);
    WELineRec* lines = LinesOf(r);
    const SInt32 width = r.destRect.right - r.destRect.left;
    const bool wraps = r.hooks[kWEHookLineBreak] != reinterpret_cast<WEHookProc>(&_WENoWrapLineBreak);
    SInt32 origin = 0, at = 0;
    for (SInt32 i = 0; i < paragraphs; i++) {
        const void* cr = std::memchr(text + at, 13, size_t(r.textLength - at));
        const SInt32 next = cr ? SInt32(static_cast<const UInt8*>(cr) - text) + 1 : r.textLength;
        WELineRec& line = lines[i];
        line = WELineRec{};
        line.start = at;
        line.origin = origin;
        origin += EstimatedHeight(at, next, width, wraps, &line, we);
        lines = LinesOf(r);
        at = next;
    }
    lines[paragraphs] = WELineRec{r.textLength, origin, 0, 0, 0};
    r.lineCount = paragraphs;
    r.provisionalLineCount = paragraphs;
    r.destRect.bottom = r.destRect.top + _WETextHeight(r);
    r.stateBits |= kWEStateHeightChanged;
    _WEEnsureViewLines(we);
    return noErr;
}

void _WEEnsureLines(SInt32 offset, SInt32 v, WEReference we) {
    WERec& r = RecordOf(we);
    const SInt32 first = _WEFirstProvisionalLine(r);
    if (first >= r.lineCount) return;
    const WELineRec& frontier = LinesOf(r)[first];
    SInt32 last = -1;
    if (offset >= frontier.start) last = _WEOffsetToLine(r, offset);
    if (v >= frontier.origin) last = std::max(last, _WELineAtHeight(r, v));
    if (last < first) return;
    BreakForReal(first, std::min(last, r.lineCount - 1), we);
}

void _WEEnsureViewLines(WEReference we) {
    const WERec& r = RecordOf(we);
    if (r.provisionalLineCount == 0) return;
    _WEEnsureLines(-1, r.viewRect.bottom + (r.viewRect.bottom - r.viewRect.top) - r.destRect.top, we);
}

Boolean WEHasProvisionalLines(WEReference we) {
    return _WEFirstProvisionalLine(RecordOf(we)) < RecordOf(we).lineCount;
}

Boolean WEContinueLayout(SInt32 characters, WEReference we) {
    WERec& r = RecordOf(we);
    const SInt32 first = _WEFirstProvisionalLine(r);
    if (first >= r.lineCount) return false;
    const SInt32 last = _WEOffsetToLine(r, LinesOf(r)[first].start + std::max<SInt32>(characters, 1));
    BreakForReal(first, std::max(first, last), we);
    return true;
}
