// Keeping a record's line array in step with its text: finding each line's break (run by run through the
// line-break hook, or from the Unicode layout), its height, and merging the new breaks into the old array
// until they agree again, so that an edit recomputes only the lines it moved.
#include "textengine/engine_internal.h"

#include "textengine/paragraph_layouts.h"
#include "textengine/text_effects.h"

#include "foundation/drawing_environment.h"
#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <algorithm>

static void UseStyleInPort(const WETextStyle& style) {
    TextFont(style.font);
    TextFace(style.face);
    TextSize(style.size);
}

SInt32 _WEFindLineBreak(SInt32 lineStart, WEReference we) {
    WERec& r = RecordOf(we);
    auto lineBreak = reinterpret_cast<WELineBreakProc>(r.hooks[kWEHookLineBreak]);
    const WERunRec* runs = RunsOf(r);
    const WEStyleEntry* styles = StylesOf(r);
    const SInt32 segmentStart = lineStart;
    const SInt32 segmentLength = std::clamp(r.textLength - segmentStart, SInt32(0), SInt32(32767));
    const UInt8* text = TextOf(r) + segmentStart;
    Fixed width = (r.destRect.right - r.destRect.left) << 16;
    SInt32 breakOffset = 0;
    for (SInt32 run = _WEOffsetToRun(r, lineStart); run < r.runCount; run++) {
        const WETextStyle& style = styles[runs[run].styleIndex].record.style;
        UseStyleInPort(style);
        const SInt32 runStart = std::clamp(runs[run].start - segmentStart, SInt32(0), segmentLength);
        const SInt32 runEnd = std::clamp(runs[run + 1].start - segmentStart, SInt32(0), segmentLength);
        breakOffset = segmentStart == lineStart ? 1 : 0;
        if (style.extra) {
            width -= SInt32(WEGetObjectSize(style.extra).h) << 16;
            if (width < 0) {
                breakOffset = runStart;
                break;
            }
            breakOffset = runEnd;
        } else if (lineBreak(text, segmentLength, runStart, runEnd, &width, &breakOffset, we) != 2) {
            break;
        }
        if (runEnd >= segmentLength) break;
    }
    return (segmentStart - lineStart) + breakOffset;
}

void _WECalcHeights(SInt32 start, SInt32 end, SInt16* ascent, SInt16* descent, WEReference we) {
    const WERec& r = RecordOf(we);
    const WERunRec* runs = RunsOf(r);
    const WEStyleEntry* styles = StylesOf(r);
    SInt16 maxAscent = 1, maxDescent = 0;
    for (SInt32 run = _WEOffsetToRun(r, start); run < r.runCount; run++) {
        const WEStyleRecord& record = styles[runs[run].styleIndex].record;
        if (record.style.extra) {
            maxAscent = std::max(maxAscent, WEGetObjectSize(record.style.extra).v);
        } else {
            maxAscent = std::max(maxAscent, record.ascent);
            maxDescent = std::max(maxDescent, SInt16(record.height - record.ascent));
        }
        if (runs[run + 1].start >= end) break;
    }
    *ascent = maxAscent;
    *descent = maxDescent;
}

OSErr _WEInsertLine(SInt32 lineIndex, const WELineRec* line, WEReference we) {
    WERec& r = RecordOf(we);
    const bool amongProvisional = lineIndex > _WEFirstProvisionalLine(r);
    OSErr err = _WESplice(r.lines, line, sizeof(WELineRec), lineIndex * Size(sizeof(WELineRec)));
    if (err != noErr) return err;
    r.lineCount++;
    if (amongProvisional) r.provisionalLineCount++;
    return noErr;
}

void _WEBumpOrigin(SInt32 lineIndex, SInt32 delta, WEReference we) {
    WERec& r = RecordOf(we);
    WELineRec* lines = LinesOf(r);
    for (SInt32 i = std::max<SInt32>(lineIndex, 0); i <= r.lineCount; i++)
        lines[i].origin += delta;
}

SInt32 _WETextHeight(const WERec& r) {
    const WELineRec* lines = LinesOf(r);
    SInt32 total = lines[r.lineCount].origin;
    if (r.textLength > 0 && TextOf(r)[r.textLength - 1] == 13)
        total += lines[r.lineCount].origin - lines[r.lineCount - 1].origin;
    return total;
}

SInt32 _WELineAtHeight(const WERec& r, SInt32 v) {
    const WELineRec* lines = LinesOf(r);
    const WELineRec* found = std::upper_bound(
        lines, lines + r.lineCount, v, [](SInt32 value, const WELineRec& l) { return value < l.origin; });
    return std::max<SInt32>(0, SInt32(found - lines) - 1);
}

// The ascent and descent of the typing style, which sets the height of an empty text's line; until a
// typing style is taken, it is the style of the text's single run.
static void TypingStyleHeights(const WERec& r, SInt16* ascent, SInt16* descent) {
    const WEStyleRecord& typing =
        (r.stateBits & kWEStateTypingStyle) ? r.typingStyle : StylesOf(r)[RunsOf(r)[0].styleIndex].record;
    *ascent = std::max<SInt16>(1, typing.ascent);
    *descent = std::max<SInt16>(0, SInt16(typing.height - typing.ascent));
}

// Makes the Unicode layout ready for breaking: built anew the first time (or when asked to be), else only
// told of width, alignment and tab changes; it follows edits and style changes by itself.
static OSErr PrepareUnicodeLayout(WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo || (gLayoutFormatFlag & 1))
        CreateATSUInfo(nullptr, nullptr, we);
    else
        NewLayoutBreaks(we);
    gLayoutFormatFlag = 0;
    if (r.atsuInfo) return noErr;
    DoErrorMessageText("Error breaking lines in WERecalBreaks");
    return 1;
}

// Merges the new break after `line` into the array; answers true once the old breaks agree again.
static bool MergeBreak(SInt32 line, SInt32 newBreak, SInt32 newTop, SInt32 oldEnd, SInt32* firstLine,
                       OSErr* err, WEReference we) {
    WERec& r = RecordOf(we);
    const SInt32 next = line + 1;
    if (next > r.lineCount || LinesOf(r)[next].start > newBreak) {
        WELineRec record = LinesOf(r)[line];
        record.start = newBreak;
        record.origin = newTop;
        *err = _WEInsertLine(next, &record, we);
        if (next == *firstLine) *firstLine = line;
        return *err != noErr;
    }
    WELineRec* lines = LinesOf(r);
    const SInt32 oldStart = lines[next].start, oldTop = lines[next].origin;
    lines[next].start = newBreak;
    lines[next].origin = newTop;
    SInt32 removed = 0;
    while (next + removed < r.lineCount && lines[next + removed + 1].start <= newBreak)
        removed++;
    if (removed > 0) {
        *err = _WERemoveLines(next + 1, removed, r);
        if (*err != noErr) return true;
    }
    if (oldStart == newBreak && oldEnd <= newBreak) {
        _WEBumpOrigin(next + 1, newTop - oldTop, we);
        return true;
    }
    if (oldStart != newBreak && next == *firstLine) *firstLine = line;
    return false;
}

OSErr _WERecalBreaks(SInt32* firstLine, SInt32* lastLine, WEReference we) {
    WERec& r = RecordOf(we);
    const Boolean textWasLocked = _WESetHandleLock(r.text, true);
    if (r.port) SaveRestoreQDEnvironment(r.port, false, true);

    const SInt32 last = std::clamp(*lastLine, SInt32(0), r.lineCount - 1);
    const SInt32 oldEnd = LinesOf(r)[last + 1].start;
    SInt32 line = std::clamp(*firstLine - 1, SInt32(0), r.lineCount - 1);
    *firstLine = std::clamp(*firstLine, SInt32(0), r.lineCount - 1);
    OSErr err = noErr;
    bool unicode = !IsClassicText() && LinesOf(r)[line].start < r.textLength;
    if (unicode) err = PrepareUnicodeLayout(we);

    while (err == noErr) {
        const SInt32 start = LinesOf(r)[line].start;
        SInt32 length = unicode ? UnicodeLineLength(r, start) : _WEFindLineBreak(start, we);
        if (length < 1 && start < r.textLength) length = 1;
        const SInt32 newBreak = std::min(start + length, r.textLength);
        SInt16 ascent = 1, descent = 0;
        if (r.textLength == 0)
            TypingStyleHeights(r, &ascent, &descent);
        else
            _WECalcHeights(start, newBreak, &ascent, &descent, we);
        LinesOf(r)[line].ascent = ascent;
        _WEMakeLinesReal(line, r);
        const SInt32 newTop = LinesOf(r)[line].origin + SInt16((ascent + descent) * r.lineSpacing / 100);
        if (MergeBreak(line, newBreak, newTop, oldEnd, firstLine, &err, we)) break;
        line++;
        if (newBreak >= r.textLength) break;
    }

    const SInt32 total = _WETextHeight(r);
    if (total != r.destRect.bottom - r.destRect.top) r.stateBits |= kWEStateHeightChanged;
    r.destRect.bottom = r.destRect.top + total;
    *lastLine = std::min(line, r.lineCount - 1);
    if (*lastLine < *firstLine) *firstLine = *lastLine;
    if (r.port) SaveRestoreQDEnvironment(r.port, false, false);
    _WESetHandleLock(r.text, textWasLocked);
    return err;
}
