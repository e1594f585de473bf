// What the text engine's layout, drawing, selection, undo, inline-input and object code provide to the
// storage and editing code before they are built, in their least form. Each definition moves to its own
// file when its code is built.
#include "textengine/engine_internal.h"

#include "platform/memory.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <vector>

SInt16 gLayoutFormatFlag = 1;

// Until the Unicode layout measures real glyphs every character advances by the same amount.
static constexpr SInt32 kPendingAdvance = 8;

void _WEStdDrawText(const UInt8*, SInt32, Fixed, SInt16, WEReference) {}

SInt32 _WEStdPixelToChar(const UInt8*, SInt32 length, Fixed, Fixed* width, Boolean* leadingEdge, SInt16,
                         WEReference) {
    SInt32 pixels = *width >> 16;
    *leadingEdge = true;
    if (pixels >= length * kPendingAdvance) {
        *width -= (length * kPendingAdvance) << 16;
        return length;
    }
    *width -= (length * kPendingAdvance) << 16;
    return std::max<SInt32>(0, pixels / kPendingAdvance);
}

SInt32 _WEStdCharToPixel(const UInt8*, SInt32, Fixed, SInt32 offset, SInt16, SInt16, WEReference) {
    return offset * kPendingAdvance;
}

// Metrics in proportion to the size, so that layout without fonts still gives every style a height.
void _WEFillFontInfo(GrafPort*, WEStyleRecord* record) {
    if (record->style.size == 0) record->style.size = 12;
    SInt16 size = record->style.size;
    record->ascent = SInt16((size * 3 + 3) / 4);
    record->height = SInt16(record->ascent + size / 4 + 1);
}

// Breaks the whole text again through the line-break hook; later lines' tops follow the line heights.
OSErr _WERecalBreaks(SInt32* firstLine, SInt32* lastLine, WEReference we) {
    WERec& r = RecordOf(we);
    auto lineBreak = reinterpret_cast<WELineBreakProc>(r.hooks[kWEHookLineBreak]);
    const UInt8* text = TextOf(r);
    std::vector<WELineRec> lines;
    SInt32 lineStart = 0, origin = 0;
    do {
        SInt32 lineEnd = r.textLength;
        Fixed width = (r.destRect.right - r.destRect.left) << 16;
        SInt32 available = std::min(r.textLength - lineStart, SInt32(32767));
        const WERunRec* runs = RunsOf(r);
        for (SInt32 run = _WEOffsetToRun(r, lineStart); run < r.runCount && available > 0; run++) {
            SInt32 pieceStart = std::max(runs[run].start, lineStart) - lineStart;
            SInt32 pieceEnd = std::min(runs[run + 1].start - lineStart, available);
            if (pieceEnd <= pieceStart) break;
            SInt32 breakOffset = 0;
            if (lineBreak(text + lineStart, available, pieceStart, pieceEnd, &width, &breakOffset, we) != 2) {
                lineEnd = lineStart + breakOffset;
                break;
            }
            lineEnd = lineStart + pieceEnd;
        }
        if (lineEnd <= lineStart && lineStart < r.textLength) lineEnd = lineStart + 1;

        SInt16 height = 0, ascent = 0;
        const WEStyleEntry* styles = StylesOf(r);
        for (SInt32 run = _WEOffsetToRun(r, lineStart); run < r.runCount; run++) {
            if (run > 0 && runs[run].start >= lineEnd && runs[run].start > lineStart) break;
            height = std::max(height, styles[runs[run].styleIndex].record.height);
            ascent = std::max(ascent, styles[runs[run].styleIndex].record.ascent);
        }
        lines.push_back(WELineRec{lineStart, origin, ascent, 0, 0});
        origin += height * r.lineSpacing / 100;
        lineStart = lineEnd;
    } while (lineStart < r.textLength);
    lines.push_back(WELineRec{r.textLength, origin, 0, 0, 0});

    SetHandleSize(r.lines, Size(lines.size() * sizeof(WELineRec)));
    if (MemError() != noErr) return MemError();
    std::copy(lines.begin(), lines.end(), LinesOf(r));
    r.lineCount = SInt32(lines.size()) - 1;
    r.destRect.bottom = r.destRect.top + origin;
    *firstLine = 0;
    *lastLine = r.lineCount - 1;
    return noErr;
}

void _WERecalSlops(SInt32, SInt32, WEReference) {}

void _WEDrawLines(SInt32, SInt32, Boolean, WEReference) {}

// The UTF-16 copy alone, without a layout over it.
ATSUInfoRec** CreateATSUInfo(void*, void*, WEReference we) {
    WERec& r = RecordOf(we);
    DisposeATSUDataForMe(we);
    Handle h = NewHandleClear(sizeof(ATSUInfoRec));
    if (!h) return nullptr;
    ATSUInfoRec& info = *reinterpret_cast<ATSUInfoRec*>(*h);
    info.textCapacity = r.textLength * 2 + 20;
    info.text = reinterpret_cast<UInt16*>(NewPtr(info.textCapacity));
    if (!info.text) {
        DisposeHandle(h);
        return nullptr;
    }
    for (SInt32 i = 0; i < r.textLength; i++)
        info.text[i] = MacRomanToUnicode(TextOf(r)[i]);
    info.textLength = r.textLength;
    r.atsuInfo = reinterpret_cast<ATSUInfoRec**>(h);
    return r.atsuInfo;
}

ATSUInfoRec** NewLayoutFormat(UInt16*, SInt32, WEReference we) {
    return RecordOf(we).atsuInfo;
}

void SetLayoutRunStyle(SInt32, SInt32, UInt16, const WETextStyle*, WEReference) {}
void ATSUTextInserted(void*, SInt32, SInt32) {}
void ATSUTextDeleted(void*, SInt32, SInt32) {}
void ATSUSetTextPointerLocation(void*, const UInt16*, SInt32, SInt32, SInt32) {}

void DisposeATSUDataForMe(WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo) return;
    if ((*r.atsuInfo)->text) DisposePtr(reinterpret_cast<Ptr>((*r.atsuInfo)->text));
    DisposeHandle(reinterpret_cast<Handle>(r.atsuInfo));
    r.atsuInfo = nullptr;
}

void WEStopInlineSession(WEReference) {}
void _WEDisposeUndo(WEReference) {}

// An object until the object handlers exist: its type, its data and its size.
struct PendingObject {
    OSType type;
    Handle data;
    Point size;
};

OSErr _WENewObject(OSType type, Handle data, WEReference, WEObjectReference* object) {
    Handle h = NewHandleClear(sizeof(PendingObject));
    *object = h;
    if (!h) return memFullErr;
    *reinterpret_cast<PendingObject*>(*h) = PendingObject{type, data, Point{}};
    return noErr;
}

OSErr _WEFreeObject(WEObjectReference object) {
    if (!object) return nilHandleErr;
    if (Handle data = reinterpret_cast<PendingObject*>(*object)->data) DisposeHandle(data);
    DisposeHandle(object);
    return noErr;
}

Point WEGetObjectSize(WEObjectReference object) {
    return reinterpret_cast<PendingObject*>(*object)->size;
}

OSErr WESetObjectSize(WEObjectReference object, Point size) {
    reinterpret_cast<PendingObject*>(*object)->size = size;
    return noErr;
}

// Changes the selection as the list operations define; hiliting and scrolling come with the caret code.
OSErr WESetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we) {
    WERec& r = RecordOf(we);
    start = std::clamp(start, SInt32(0), r.textLength);
    end = std::clamp(end, SInt32(0), r.textLength);
    _WEReorder(&start, &end);
    switch (mode) {
    case 1:
        r.selCount = AddThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    case 2:
        r.selCount = InvertThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    case 3:
        r.selCount = NotThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    default:
        ResetSelStartEnd(&r, start, end);
        break;
    }
    return noErr;
}

OSErr WESelView(WEReference) {
    return noErr;
}
OSErr WEScroll(SInt32, SInt32, WEReference) {
    return noErr;
}

OSErr WEFindWord(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we) {
    WERec& r = RecordOf(we);
    SInt32 contextStart = std::max(SInt32(0), offset - 16383);
    SInt32 contextEnd = std::min(r.textLength, offset + 16383);
    SInt16 offsets[2] = {0, 0};
    auto wordBreak = reinterpret_cast<WEWordBreakProc>(r.hooks[kWEHookWordBreak]);
    wordBreak(TextOf(r) + contextStart, SInt16(contextEnd - contextStart), SInt16(offset - contextStart),
              UInt8(edge), offsets, 0, we);
    *start = contextStart + offsets[0];
    *end = contextStart + offsets[1];
    return noErr;
}
