// Copying a range of styled text into caller handles: its Mac Roman bytes, its style runs as a style scrap
// (4-byte header) and its embedded objects as a soup, from a record or from a text and scrap of its own.
#include "textengine/host_order_bytes.h"
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Size kHandleScrapHeader = 4;

OSErr SizeHandle(Handle h, Size size) {
    SetHandleSize(h, size);
    if (MemError() != noErr) return MemError();
    return GetHandleSize(h) == size ? OSErr(noErr) : OSErr(memFullErr);
}

OSErr CopyTextRange(Handle text, const UInt8* source, SInt32 start, SInt32 end) {
    if (!text) return noErr;
    OSErr err = SizeHandle(text, end - start);
    if (err == noErr && end > start) std::memcpy(*text, source + start, size_t(end - start));
    return err;
}

// Sizes a scrap for count elements in the handle layout. The word after the count stays as the handle
// held it; a handle too short to hold one gets 0 there.
OSErr SizeHandleScrap(Handle scrap, SInt32 count) {
    const Size oldSize = GetHandleSize(scrap);
    OSErr err = SizeHandle(scrap, kHandleScrapHeader + count * kStyleScrapElementSize);
    if (err != noErr) return err;
    if (oldSize < kHandleScrapHeader) WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(*scrap) + 2, 0);
    WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(*scrap), UInt16(std::min(count, SInt32(32767))));
    return noErr;
}

void WriteElement(Handle scrap, SInt32 index, const StyleScrapElement& element) {
    WriteStyleScrapElement(
        reinterpret_cast<UInt8*>(*scrap) + kHandleScrapHeader + index * kStyleScrapElementSize, element);
}

OSErr CopyRecordRange(SInt32 start, SInt32 end, Handle text, Handle styles, Handle soup, WEReference we) {
    const WERec& r = RecordOf(we);
    OSErr err = CopyTextRange(text, TextOf(r), start, end);
    if (err != noErr) return err;
    if (soup) {
        err = SizeHandle(soup, 0);
        if (err != noErr) return err;
    }
    if (!styles && !soup) return noErr;
    const SInt32 firstRun = _WEOffsetToRun(r, start);
    const SInt32 lastRun = std::max(firstRun, _WEOffsetToRun(r, end - 1));
    if (styles) {
        err = SizeHandleScrap(styles, lastRun - firstRun + 1);
        if (err != noErr) return err;
    }
    for (SInt32 run = firstRun; run <= lastRun; run++) {
        WERunInfo info;
        _WEGetIndStyle(run, &info, we);
        // A run that began before the range covers its start; its object stays behind.
        const bool inside = info.start >= start;
        if (styles)
            WriteElement(styles, run - firstRun,
                         StyleScrapElement{inside ? info.start - start : 0, info.style});
        if (soup && inside && info.style.style.extra) {
            err = _WEAppendObject(soup, info, info.start - start);
            if (err != noErr) return err;
        }
    }
    return noErr;
}

} // namespace

OSErr WECopyRange(SInt32 start, SInt32 end, Handle text, Handle styles, Handle soup, WEReference we) {
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    const SInt32 length = RecordOf(we).textLength;
    start = _WEPinInRange(start, 0, length);
    end = _WEPinInRange(end, 0, length);
    _WEReorder(&start, &end);
    const OSErr err = CopyRecordRange(start, end, text, styles, soup, we);
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return err;
}

OSErr WECopyRangeFromTextStyleBlock(SInt32 start, SInt32 end, Handle destText, Handle destStyles,
                                    Handle destSoup, Handle sourceText, Handle sourceStyles) {
    const SInt32 length = sourceText ? SInt32(GetHandleSize(sourceText)) : 0;
    start = _WEPinInRange(start, 0, length);
    end = _WEPinInRange(end, 0, length);
    _WEReorder(&start, &end);
    OSErr err = sourceText ? CopyTextRange(destText, reinterpret_cast<const UInt8*>(*sourceText), start, end)
                           : OSErr(noErr);
    if (err == noErr && destSoup) err = SizeHandle(destSoup, 0);
    if (err != noErr || !destStyles) return err;
    StyleScrapShape shape;
    if (CheckStyleScrap(sourceStyles, &shape) != noErr || shape.count == 0) return noErr;
    // The element whose run covers the range's start comes first, at 0, as a copy from a record has it:
    // the text before the first run boundary inside the range keeps its style.
    SInt32 first = 0;
    while (first + 1 < shape.count && ReadStyleScrapElement(sourceStyles, shape, first + 1).start <= start)
        first++;
    SInt32 last = first;
    while (last + 1 < shape.count && ReadStyleScrapElement(sourceStyles, shape, last + 1).start < end)
        last++;
    err = SizeHandleScrap(destStyles, last - first + 1);
    if (err != noErr) return err;
    for (SInt32 i = first; i <= last; i++) {
        StyleScrapElement element = ReadStyleScrapElement(sourceStyles, shape, i);
        element.start = std::max(element.start - start, SInt32(0));
        WriteElement(destStyles, i - first, element);
    }
    return noErr;
}
