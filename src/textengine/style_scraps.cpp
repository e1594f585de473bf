// Style scraps: style runs in their exchanged 'styl' layout, checked before every read, applied to ranges of
// text, appended to one another and converted between byte orders.
#include "textengine/engine_internal.h"
#include "textengine/host_order_bytes.h"
#include "textengine/style_scrap.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstring>

namespace {

void SwapInPlace16(UInt8* p) {
    std::swap(p[0], p[1]);
}

void SwapInPlace32(UInt8* p) {
    std::swap(p[0], p[3]);
    std::swap(p[1], p[2]);
}

} // namespace

OSErr CheckStyleScrap(Handle scrap, StyleScrapShape* shape) {
    if (!scrap) return weBadStyleScrapErr;
    Size size = GetHandleSize(scrap);
    if (size < 2) return weBadStyleScrapErr;
    Size header = (size - 2) % kStyleScrapElementSize == 0 ? 2 : 4;
    Size area = size - header;
    if (area < 0 || area % kStyleScrapElementSize != 0) return weBadStyleScrapErr;
    SInt32 elements = area / kStyleScrapElementSize;
    UInt16 stored = ReadHostValue<UInt16>(reinterpret_cast<const UInt8*>(*scrap));
    // Above 32766 elements the 16-bit count no longer holds the number of elements.
    if (elements < 32767 && elements != stored) return weBadStyleScrapErr;
    shape->headerSize = header;
    shape->count = elements;
    return noErr;
}

StyleScrapElement ReadStyleScrapElement(Handle scrap, const StyleScrapShape& shape, SInt32 index) {
    const UInt8* p =
        reinterpret_cast<const UInt8*>(*scrap) + shape.headerSize + index * Size(kStyleScrapElementSize);
    StyleScrapElement element;
    element.start = ReadHostValue<SInt32>(p);
    element.record.height = ReadHostValue<SInt16>(p + 4);
    element.record.ascent = ReadHostValue<SInt16>(p + 6);
    element.record.style.font = ReadHostValue<SInt16>(p + 8);
    element.record.style.face = p[10];
    element.record.style.faceMask = p[11];
    // A writer that stored the face and its filler byte as bytes of one big-endian word left the face in
    // the filler's place once the word is read in host order; a filled filler beside an empty face byte is
    // that face.
    if (p[10] == 0 && p[11] != 0) {
        element.record.style.face = p[11];
        element.record.style.faceMask = 0;
    }
    element.record.style.size = ReadHostValue<SInt16>(p + 12);
    element.record.style.color =
        RGBColor{ReadHostValue<UInt16>(p + 14), ReadHostValue<UInt16>(p + 16), ReadHostValue<UInt16>(p + 18)};
    return element;
}

void WriteStyleScrapElement(UInt8* p, const StyleScrapElement& element) {
    const WETextStyle& style = element.record.style;
    WriteHostValue<SInt32>(p, element.start);
    WriteHostValue<SInt16>(p + 4, element.record.height);
    WriteHostValue<SInt16>(p + 6, element.record.ascent);
    WriteHostValue<SInt16>(p + 8, style.font);
    p[10] = style.face;
    p[11] = 0;
    WriteHostValue<SInt16>(p + 12, style.size);
    WriteHostValue<UInt16>(p + 14, style.color.red);
    WriteHostValue<UInt16>(p + 16, style.color.green);
    WriteHostValue<UInt16>(p + 18, style.color.blue);
}

SInt16 SwapStyle(Handle scrap, SInt16 wideHeader) {
    if (!scrap) return 0;
    Size size = GetHandleSize(scrap);
    UInt8* p = reinterpret_cast<UInt8*>(*scrap);
    if (size >= 2) SwapInPlace16(p);
    Size header = wideHeader ? 4 : 2;
    for (Size at = header; at + kStyleScrapElementSize <= size; at += kStyleScrapElementSize) {
        SwapInPlace32(p + at);
        // Height, ascent, font, face with its filler, size and the three colour components.
        for (Size field = 4; field < kStyleScrapElementSize; field += 2)
            SwapInPlace16(p + at + field);
    }
    return 1;
}

OSErr _WEApplyStyleScrap(SInt32 start, SInt32 end, Handle scrap, WEReference we, SInt32* applied,
                         SInt32 limit) {
    StyleScrapShape shape;
    OSErr err = CheckStyleScrap(scrap, &shape);
    if (err != noErr) return err;
    SInt32 total = 0;
    for (SInt32 i = 0; i < shape.count; i++) {
        StyleScrapElement element = ReadStyleScrapElement(scrap, shape, i);
        SInt64 pieceStart = SInt64(start) + element.start;
        SInt64 pieceEnd;
        if (i + 1 < shape.count)
            pieceEnd = SInt64(start) + ReadStyleScrapElement(scrap, shape, i + 1).start;
        else if (applied)
            pieceEnd = pieceStart + limit + (limit == 0 ? 1 : 0);
        else
            pieceEnd = end;
        pieceStart = std::max<SInt64>(pieceStart, start);
        pieceEnd = std::min<SInt64>(pieceEnd, end);
        if (pieceEnd <= pieceStart) continue;
        err = _WESetStyleRange(SInt32(pieceStart), SInt32(pieceEnd), weDoAll, &element.record.style, we);
        if (err != noErr) break;
        total += SInt32(pieceEnd - pieceStart);
        limit -= SInt32(pieceEnd - pieceStart);
    }
    if (applied) *applied = total;
    return err;
}

OSErr WEPasteStylesOnly(Handle scrap, WEReference we, SInt16 flags, SInt32 limit) {
    if (!scrap) return noErr;
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    StyleScrapShape shape;
    if (CheckStyleScrap(scrap, &shape) != noErr) return weBadStyleScrapErr;
    r.clickCount = 0;
    r.typingStyle.style.extra = nullptr;
    OSErr firstErr = noErr;
    SInt32 window = 0;
    SInt32 ranges = std::max(r.selCount, SInt32(1));
    for (SInt32 index = 0; index < ranges; index++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        window = start;
        OSErr err;
        if (flags & 8) {
            // The scrap's pattern again and again until the range is used up.
            SInt32 applied = 0;
            do {
                err = _WEApplyStyleScrap(window, end, scrap, we, &applied, limit);
                window += applied;
            } while (err == noErr && applied > 0 && window < end);
        } else {
            err = _WEApplyStyleScrap(start, end, scrap, we, nullptr, limit);
        }
        if (firstErr == noErr) firstErr = err;
    }
    if (auto flux = reinterpret_cast<WEFluxProc>(r.hooks[kWEHookFlux])) flux(window, 0, we);
    return firstErr;
}

OSErr WECombineStyles(Handle appended, Handle extended, SInt32 firstTextLength) {
    if (!appended || !extended) return noErr;
    StyleScrapShape first, second;
    if (CheckStyleScrap(appended, &first) != noErr || CheckStyleScrap(extended, &second) != noErr)
        return weBadStyleScrapErr;
    SInt32 shift = firstTextLength;
    if (second.count > 0) {
        shift = firstTextLength != 0 ? ReadStyleScrapElement(extended, second, 0).start + firstTextLength
                                     : ReadStyleScrapElement(extended, second, second.count - 1).start + 1;
    }
    Size oldSize = GetHandleSize(extended);
    Size added = first.count * Size(kStyleScrapElementSize);
    SetHandleSize(extended, oldSize + added);
    if (MemError() != noErr || GetHandleSize(extended) != oldSize + added) return weBadStyleScrapErr;
    for (SInt32 i = 0; i < first.count; i++) {
        StyleScrapElement element = ReadStyleScrapElement(appended, first, i);
        element.start += shift;
        UInt8* target = reinterpret_cast<UInt8*>(*extended) + oldSize + i * Size(kStyleScrapElementSize);
        WriteStyleScrapElement(target, element);
    }
    WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(*extended), UInt16(second.count + first.count));
    return noErr;
}
