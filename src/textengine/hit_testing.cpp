// Between points and text offsets: the offset whose glyph lies under a point and the caret position of an
// offset. The Unicode layout answers for the glyphs it draws (tabs and justification included); the classic
// mode walks the line's runs through the measuring hooks.
#include "textengine/engine_internal.h"

#include "textengine/paragraph_layouts.h"
#include "textengine/text_effects.h"

#include "platform/text_drawing.h"

#include <algorithm>

namespace {

bool UsesUnicodeLayout(const WERec& r) {
    return !IsClassicText() && r.atsuInfo;
}

struct PixelWalk {
    Fixed remaining = 0;
    SInt32 offset = 0;
    SInt8 edge = 0;
    bool found = false;
};

Boolean SLPixelToChar(const WELineRec& line, const WERunInfo& run, const UInt8* text, SInt32 offset,
                      SInt32 length, SInt16 position, WEReference we, void* data) {
    auto& walk = *static_cast<PixelWalk*>(data);
    if (walk.remaining < 0) {
        walk.offset = offset;
        walk.edge = -1;
        walk.found = true;
        return true;
    }
    if (run.style.style.extra) {
        const SInt32 w = WEGetObjectSize(run.style.style.extra).h, d = walk.remaining >> 16;
        if (d < w) {
            walk.offset = d < w / 2 ? offset : offset + length;
            walk.edge = d < w / 2 ? -1 : 0;
            walk.found = true;
            return true;
        }
        walk.remaining -= w << 16;
        return false;
    }
    Boolean leading = true;
    auto measure = reinterpret_cast<WEPixelToCharProc>(RecordOf(we).hooks[kWEHookPixelToChar]);
    const Fixed slop = _WESegmentSlop(RecordOf(we), line, text, length, position);
    const SInt32 at = measure(text, length, slop, &walk.remaining, &leading, position, we);
    walk.offset = offset + at;
    walk.edge = leading ? -1 : 0;
    if (walk.remaining < (1 << 16) && at < length) walk.found = true;
    return walk.found;
}

} // namespace

SInt32 WEGetOffset(const LongPoint* point, SInt8* edge, WEReference we) {
    WERec& r = RecordOf(we);
    _WEEnsureLines(-1, point->v - r.destRect.top, we);
    const SInt32 v = point->v - r.destRect.top, h = point->h - r.destRect.left;
    SInt8 ignored = 0;
    if (!edge) edge = &ignored;
    if (v < 0) {
        *edge = 0;
        return 0;
    }
    if (v >= _WETextHeight(r) || r.textLength == 0) {
        *edge = -1;
        return r.textLength;
    }
    const SInt32 lineIndex = std::min(_WELineAtHeight(r, v), r.lineCount - 1);
    const WELineRec& line = LinesOf(r)[lineIndex];
    const SInt32 lineEnd = LinesOf(r)[lineIndex + 1].start;
    // Past the last line's top but within the empty line after a final return.
    if (v >= LinesOf(r)[r.lineCount].origin) {
        *edge = -1;
        return r.textLength;
    }
    const SInt32 x = h - _WECalcPenIndent(line, r.alignment, r.direction);
    SInt32 offset = lineEnd;
    UnicodeLineRef ref;
    if (UsesUnicodeLayout(r) && FindUnicodeLine(r, line.start, &ref)) {
        bool leading = true;
        offset =
            ref.paragraphStart + UnicodeXToOffset(ref.layout, ref.line, std::max<SInt32>(x, 0), &leading);
        *edge = leading ? -1 : 0;
    } else {
        PixelWalk walk;
        // A 16.16 width holds no more than 32,767 pixels; a click further out is taken at that column.
        walk.remaining = std::clamp<SInt32>(x, 0, 0x7FFF) << 16;
        _WESegmentLoop(lineIndex, lineIndex, &SLPixelToChar, &walk, we);
        offset = walk.found ? walk.offset : lineEnd;
        *edge = walk.found ? walk.edge : 0;
    }
    // A line that ends in a blank or a return keeps its caret before it.
    if (offset >= lineEnd && lineEnd < r.textLength && lineEnd > line.start) offset = lineEnd - 1;
    if (offset >= lineEnd && lineEnd == r.textLength && lineEnd > line.start && TextOf(r)[lineEnd - 1] == 13)
        offset = lineEnd - 1;
    return std::clamp(offset, line.start, r.textLength);
}

void WEGetPoint(SInt32 offset, SInt16, LongPoint* point, SInt16* lineHeight, WEReference we) {
    WERec& r = RecordOf(we);
    offset = std::clamp(offset, SInt32(0), r.textLength);
    _WEEnsureLines(offset, -1, we);
    const SInt32 lineIndex = _WEOffsetToLine(r, offset);
    const WELineRec& line = LinesOf(r)[lineIndex];
    const SInt32 height = LinesOf(r)[lineIndex + 1].origin - line.origin;
    point->v = r.destRect.top + line.origin;
    if (lineHeight) *lineHeight = SInt16(height);
    if (offset == r.textLength && offset > 0 && TextOf(r)[offset - 1] == 13) {
        WELineRec empty{};
        empty.slack = SInt16(std::min<SInt32>(r.destRect.right - r.destRect.left, 32767));
        point->v = r.destRect.top + LinesOf(r)[r.lineCount].origin;
        point->h = r.destRect.left + _WECalcPenIndent(empty, r.alignment, r.direction);
        return;
    }
    SInt32 h = _WECalcPenIndent(line, r.alignment, r.direction);
    UnicodeLineRef ref;
    if (offset > line.start) {
        if (UsesUnicodeLayout(r) && FindUnicodeLine(r, line.start, &ref)) {
            h += UnicodeOffsetToX(ref.layout, offset - ref.paragraphStart);
        } else {
            auto measure = reinterpret_cast<WECharToPixelProc>(r.hooks[kWEHookCharToPixel]);
            const SInt32 lineEnd = LinesOf(r)[lineIndex + 1].start;
            const SInt32 firstRun = _WEOffsetToRun(r, line.start);
            const SInt32 lastRun = _WEOffsetToRun(r, std::max(line.start, lineEnd - 1));
            for (SInt32 run = firstRun; run <= lastRun; run++) {
                WERunInfo info;
                _WEGetIndStyle(run, &info, we);
                const SInt32 from = std::max(info.start, line.start);
                if (from >= offset) break;
                const SInt32 to = std::min(info.end, lineEnd);
                const SInt16 position = firstRun == lastRun ? 0
                                        : run == firstRun   ? 1
                                        : run == lastRun    ? 2
                                                            : 3;
                TextFont(info.style.style.font);
                TextFace(info.style.style.face);
                TextSize(info.style.style.size);
                if (info.style.style.extra)
                    h += WEGetObjectSize(info.style.style.extra).h;
                else
                    h += measure(TextOf(r) + from, to - from,
                                 _WESegmentSlop(r, line, TextOf(r) + from, to - from, position),
                                 std::min(offset, to) - from, 0, position, we);
            }
        }
    }
    point->h = std::clamp(r.destRect.left + h, r.destRect.left, r.destRect.right);
}
