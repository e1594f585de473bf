// The small calls through which the program reads a record's lines, runs, text and selection, switches its
// features, and reaches its fields by four-character selector.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

SInt32 WECountLines(WEReference we) {
    return RecordOf(we).lineCount;
}

SInt32 WEOffsetToLine(SInt32 offset, WEReference we) {
    _WEEnsureLines(offset, -1, we);
    return _WEOffsetToLine(RecordOf(we), offset);
}

SInt32 WELineToOffset(SInt32 line, WEReference we) {
    const WERec& r = RecordOf(we);
    return LinesOf(r)[std::clamp(line, SInt32(0), r.lineCount)].start;
}

void WEGetLineRange(SInt32 line, SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    line = std::clamp(line, SInt32(0), r.lineCount - 1);
    if (start) *start = LinesOf(r)[line].start;
    if (end) *end = LinesOf(r)[line + 1].start;
}

SInt32 WEGetHeight(SInt32 startLine, SInt32 endLine, WEReference we) {
    const WERec& r = RecordOf(we);
    if (startLine == 0 && endLine == 0x3FFFFFFF) return r.destRect.bottom - r.destRect.top;
    startLine = std::clamp(startLine, SInt32(0), r.lineCount);
    endLine = std::clamp(endLine, SInt32(0), r.lineCount);
    _WEReorder(&startLine, &endLine);
    return LinesOf(r)[endLine].origin - LinesOf(r)[startLine].origin;
}

SInt32 WECountRuns(WEReference we) {
    return RecordOf(we).runCount;
}

SInt32 WEOffsetToRun(SInt32 offset, WEReference we) {
    return _WEOffsetToRun(RecordOf(we), offset);
}

void WEGetRunRange(SInt32 run, SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    run = std::clamp(run, SInt32(0), r.runCount - 1);
    if (start) *start = RunsOf(r)[run].start;
    if (end) *end = std::min(RunsOf(r)[run + 1].start, r.textLength);
}

Handle WEGetText(WEReference we) {
    return RecordOf(we).text;
}

SInt32 WEGetTextLength(WEReference we) {
    return RecordOf(we).textLength;
}

UInt8 WEGetChar(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    return (offset >= 0 && offset < r.textLength) ? TextOf(r)[offset] : 0;
}

Boolean WEGetSelection(SInt32* start, SInt32* end, SInt32 index, WEReference we) {
    const WERec& r = RecordOf(we);
    if (r.selCount <= 0) {
        *start = r.selStart.offset;
        *end = r.selEnd.offset;
        return false;
    }
    SInt32 pinned = std::clamp(index, SInt32(0), r.selCount - 1);
    *start = reinterpret_cast<const SInt32*>(*r.selStart.ranges)[pinned];
    *end = reinterpret_cast<const SInt32*>(*r.selEnd.ranges)[pinned];
    return index >= 0 && index < r.selCount;
}

SInt32 WEGetNumberSelections(WEReference we) {
    return we ? RecordOf(we).selCount : 0;
}

SInt32 WEGetRealNumberSelections(WEReference we) {
    const WERec& r = RecordOf(we);
    if (r.selCount > 0) return r.selCount;
    return r.selStart.offset != r.selEnd.offset ? 1 : 0;
}

SInt32 WECountSelected(SInt32* start, SInt32* end, WEReference we) {
    const WERec& r = RecordOf(we);
    WEGetSelection(start, end, 0, we);
    if (r.selCount <= 0) return *end - *start;
    const SInt32* starts = reinterpret_cast<const SInt32*>(*r.selStart.ranges);
    const SInt32* ends = reinterpret_cast<const SInt32*>(*r.selEnd.ranges);
    SInt32 total = 0;
    for (SInt32 i = 0; i < r.selCount; i++)
        total += ends[i] - starts[i];
    return total;
}

void WEGetDestRect(LongRect* rect, WEReference we) {
    *rect = RecordOf(we).destRect;
}
void WESetDestRect(const LongRect* rect, WEReference we) {
    RecordOf(we).destRect = *rect;
}
void WEGetViewRect(LongRect* rect, WEReference we) {
    *rect = RecordOf(we).viewRect;
}

SInt16 WEFeatureFlag(SInt16 feature, SInt16 action, WEReference we) {
    WERec& r = RecordOf(we);
    UInt32 bit = 1u << feature;
    SInt16 old = (r.features & bit) ? 1 : 0;
    SInt16 now = action == SInt16(0xFFFE) ? SInt16(!old) : action;
    if (now == 1) r.features |= bit;
    if (now == 0) r.features &= ~bit;
    return old;
}

struct SelectorField {
    OSType selector;
    UInt16 size;
    UInt16 place;
};

#define FIELD(sel, member)                                                                                   \
    { FourCC(sel), UInt16(sizeof(WERec::member)), UInt16(offsetof(WERec, member)) }
#define HOOK(sel, slot)                                                                                      \
    { FourCC(sel), UInt16(sizeof(WEHookProc)), UInt16(offsetof(WERec, hooks) + (slot) * sizeof(WEHookProc)) }
static const SelectorField kInfoSelectors[] = {
    FIELD("refc", refCon),
    FIELD("port", port),
    FIELD("text", text),
    FIELD("line", lines),
    FIELD("styl", styles),
    FIELD("runa", runs),
    FIELD("tsmd", tsmDocument),
    FIELD("drag", dragReference),
    HOOK("clik", kWEHookClickLoop),
    HOOK("scrl", kWEHookScroll),
    HOOK("pre ", kWEHookPreUpdate),
    HOOK("post", kWEHookPostUpdate),
    HOOK("ptrk", kWEHookDragPreTrack),
    HOOK("xdrg", kWEHookDragTranslate),
    HOOK("hidr", kWEHookHiliteDrop),
    HOOK("draw", kWEHookDrawText),
    HOOK("p2c ", kWEHookPixelToChar),
    HOOK("c2p ", kWEHookCharToPixel),
    HOOK("lbrk", kWEHookLineBreak),
    HOOK("wbrk", kWEHookWordBreak),
    HOOK("cbyt", kWEHookCharByte),
    HOOK("ctyp", kWEHookCharType),
    HOOK("eras", kWEHookErase),
    HOOK("flux", kWEHookFlux),
};
#undef FIELD
#undef HOOK

static const SelectorField* FindSelector(OSType selector) {
    for (const SelectorField& field : kInfoSelectors)
        if (field.selector == selector) return &field;
    return nullptr;
}

OSErr WEGetInfo(OSType selector, void* value, WEReference we) {
    const SelectorField* field = FindSelector(selector);
    if (!field) return paramErr;
    std::memcpy(value, reinterpret_cast<const char*>(*we) + field->place, field->size);
    return noErr;
}

OSErr WESetInfo(OSType selector, const void* value, WEReference we) {
    const SelectorField* field = FindSelector(selector);
    if (field) std::memcpy(reinterpret_cast<char*>(*we) + field->place, value, field->size);
    _WESetStandardHooks(*we);
    return field ? noErr : paramErr;
}

// The user-information list: (tag, value) pairs of 32 bits each, ended by a pair with tag 0.
static SInt32 FindUserInfo(const WERec& r, OSType tag) {
    const UInt32* pairs = reinterpret_cast<const UInt32*>(*r.userInfo);
    SInt32 i = 0;
    while (pairs[2 * i] != 0 && pairs[2 * i] != tag)
        i++;
    return i;
}

OSErr WESetUserInfo(OSType tag, SInt32 value, WEReference we) {
    WERec& r = RecordOf(we);
    SInt32 i = FindUserInfo(r, tag);
    UInt32* pairs = reinterpret_cast<UInt32*>(*r.userInfo);
    if (pairs[2 * i] == tag && tag != 0) {
        pairs[2 * i + 1] = UInt32(value);
        return noErr;
    }
    UInt32 pair[2] = {tag, UInt32(value)};
    return _WESplice(r.userInfo, pair, sizeof(pair), i * 8);
}

OSErr WEGetUserInfo(OSType tag, SInt32* value, WEReference we) {
    const WERec& r = RecordOf(we);
    SInt32 i = FindUserInfo(r, tag);
    const UInt32* pairs = reinterpret_cast<const UInt32*>(*r.userInfo);
    if (value) *value = SInt32(pairs[2 * i + 1]);
    return pairs[2 * i] == tag && tag != 0 ? noErr : paramErr;
}

SInt16 WEGetRunDirection(SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    if (offset >= 0 && offset < r.textLength)
        return (StylesOf(r)[RunsOf(r)[_WEOffsetToRun(r, offset)].styleIndex].record.style.faceMask & 0x80)
                   ? 1
                   : 0;
    // This platform's system direction is left to right.
    return r.direction == -1 ? 1 : 0;
}

SInt8 WEGetAlignment(WEReference we) {
    return RecordOf(we).alignment;
}
SInt16 WEGetDirection(WEReference we) {
    return RecordOf(we).direction;
}
SInt32 WEGetSpacing(WEReference we) {
    return RecordOf(we).lineSpacing;
}
void WESetSpacing(SInt32 percent, WEReference we) {
    RecordOf(we).lineSpacing = percent;
}
WECharToPixelProc WEGetcharToPixelHook(WEReference we) {
    return reinterpret_cast<WECharToPixelProc>(RecordOf(we).hooks[kWEHookCharToPixel]);
}
UInt32 WEVersion() {
    return 0x01308000;
}

Boolean WEContinuousStyle(UInt16* mode, WETextStyle* style, WEReference we) {
    WERec& r = RecordOf(we);
    const UInt16 asked = *mode & (weDoFont | weDoFace | weDoSize | weDoColor | weDoFaceMask);
    UInt16 still = asked;
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if (start == end) {
        _WESynchNullStyle(we);
        const WETextStyle& typing = r.typingStyle.style;
        style->font = typing.font;
        style->face = typing.face;
        style->size = typing.size;
        style->color = typing.color;
        *mode = still;
        return true;
    }
    SInt32 run = _WEOffsetToRun(r, start);
    const WETextStyle first = StylesOf(r)[RunsOf(r)[run].styleIndex].record.style;
    *style = first;
    style->faceMask = (still & weDoFaceMask) ? first.face : 0;
    for (run++; run < r.runCount && RunsOf(r)[run].start < end && (still & ~weDoFaceMask); run++) {
        const WETextStyle& next = StylesOf(r)[RunsOf(r)[run].styleIndex].record.style;
        if (next.font != style->font) still &= ~weDoFont;
        if (next.face != style->face) {
            style->face &= next.face;
            if (style->face == 0) still &= ~weDoFace;
        }
        if (still & weDoFaceMask) style->faceMask |= next.face;
        if (next.size != style->size) still &= ~weDoSize;
        if (next.color.red != style->color.red || next.color.green != style->color.green ||
            next.color.blue != style->color.blue)
            still &= ~weDoColor;
    }
    *mode = still;
    return still == asked;
}

OSErr WEGetSelectedObject(WEObjectReference* object, WEReference we) {
    const WERec& r = RecordOf(we);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if (r.selCount > 1 || end - start != 1) return weNotAnObjectErr;
    WEObjectReference found = StylesOf(r)[RunsOf(r)[_WEOffsetToRun(r, start)].styleIndex].record.style.extra;
    if (!found) return weNotAnObjectErr;
    *object = found;
    return noErr;
}

SInt32 WEFindNextObject(SInt32 offset, WEObjectReference* object, WEReference we) {
    const WERec& r = RecordOf(we);
    for (SInt32 run = _WEOffsetToRun(r, std::max(offset + 1, SInt32(0))); run < r.runCount; run++) {
        WEObjectReference found = StylesOf(r)[RunsOf(r)[run].styleIndex].record.style.extra;
        if (found && RunsOf(r)[run].start > offset) {
            if (object) *object = found;
            return RunsOf(r)[run].start;
        }
    }
    if (object) *object = nullptr;
    return -1;
}
