// Growing a style scrap or a soup by one run at its front or its end: how typing undo keeps the characters
// that backspace and forward delete remove, and how copies gather their embedded objects.
#include "textengine/host_order_bytes.h"
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstring>

namespace {

// The bytes of a style element after its start: height, ascent, font, face, filler, size and colour.
constexpr Size kStyleBytesAt = 4;

void EncodeRunStyle(const WERunInfo& run, SInt32 start, UInt8* element) {
    WriteStyleScrapElement(element, StyleScrapElement{start, run.style});
}

bool SameStyleAt(Handle scrap, Size at, const UInt8* element) {
    return _WEBlockCmp(*scrap + at + kStyleBytesAt, element + kStyleBytesAt,
                       kStyleScrapElementSize - kStyleBytesAt);
}

void WriteCount(Handle scrap, SInt32 count) {
    WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(*scrap), UInt16(std::min(count, SInt32(32767))));
}

// A soup entry for a run's object, header and data, or an empty handle when the run holds none.
OSErr MakeSoupEntry(const WERunInfo& run, SInt32 offset, Handle* entry) {
    *entry = nullptr;
    WEObjectReference object = run.style.style.extra;
    if (!object) return noErr;
    OSType type = 0;
    Handle data = nullptr;
    Boolean handled = false;
    OSErr err = _WEStreamObject(2, &type, &data, &handled, object);
    if (err != noErr) return err;
    const Size dataSize = data ? GetHandleSize(data) : 0;
    err = _WEAllocate(kSoupHeaderSize + dataSize, kWEAllocClear, entry, 0, __FILE__, __LINE__);
    if (err == noErr) {
        UInt8* p = reinterpret_cast<UInt8*>(**entry);
        const Point size = WEGetObjectSize(object);
        WriteHostValue<SInt32>(p, offset);
        WriteHostValue<OSType>(p + 4, type);
        WriteHostValue<SInt32>(p + 12, SInt32(dataSize));
        WriteHostValue<SInt16>(p + 16, size.v);
        WriteHostValue<SInt16>(p + 18, size.h);
        if (dataSize > 0) std::memcpy(p + kSoupHeaderSize, *data, size_t(dataSize));
    }
    if (handled && data) DisposeHandle(data);
    return err;
}

} // namespace

OSErr _WEPrependStyle(Handle scrap, const WERunInfo& run, SInt32 delta) {
    StyleScrapShape shape;
    OSErr err = CheckStyleScrap(scrap, &shape);
    if (err != noErr) return err;
    UInt8 element[kStyleScrapElementSize];
    EncodeRunStyle(run, 0, element);
    if (shape.count == 0 || !SameStyleAt(scrap, shape.headerSize, element)) {
        err = _WESplice(scrap, element, kStyleScrapElementSize, shape.headerSize);
        if (err != noErr) return err;
        WriteCount(scrap, ++shape.count);
    }
    for (SInt32 i = 1; i < shape.count; i++) {
        UInt8* p = reinterpret_cast<UInt8*>(*scrap) + shape.headerSize + i * kStyleScrapElementSize;
        WriteHostValue<SInt32>(p, ReadHostValue<SInt32>(p) + delta);
    }
    return noErr;
}

OSErr _WEAppendStyle(Handle scrap, const WERunInfo& run, SInt32 start) {
    StyleScrapShape shape;
    OSErr err = CheckStyleScrap(scrap, &shape);
    if (err != noErr) return err;
    UInt8 element[kStyleScrapElementSize];
    EncodeRunStyle(run, start, element);
    const Size last = shape.headerSize + (shape.count - 1) * kStyleScrapElementSize;
    if (shape.count > 0 && SameStyleAt(scrap, last, element)) return noErr;
    err = _WESplice(scrap, element, kStyleScrapElementSize, -1);
    if (err == noErr) WriteCount(scrap, shape.count + 1);
    return err;
}

OSErr _WEPrependObject(Handle soup, const WERunInfo& run, SInt32 delta) {
    if (!soup) return nilHandleErr;
    Handle entry = nullptr;
    OSErr err = MakeSoupEntry(run, 0, &entry);
    if (err != noErr) return err;
    const Size oldSize = GetHandleSize(soup);
    const Size added = entry ? GetHandleSize(entry) : 0;
    if (entry) {
        HLock(entry);
        err = _WESplice(soup, *entry, added, 0);
        DisposeHandle(entry);
        if (err != noErr) return err;
    }
    // The entries that were there move behind the new text; their sizes come from their own headers.
    for (Size at = added; at + kSoupHeaderSize <= added + oldSize;) {
        UInt8* p = reinterpret_cast<UInt8*>(*soup) + at;
        WriteHostValue<SInt32>(p, ReadHostValue<SInt32>(p) + delta);
        const SInt32 dataSize = ReadHostValue<SInt32>(p + 12);
        if (dataSize < 0) break;
        at += kSoupHeaderSize + dataSize;
    }
    return noErr;
}

OSErr _WEAppendObject(Handle soup, const WERunInfo& run, SInt32 offset) {
    if (!soup) return nilHandleErr;
    Handle entry = nullptr;
    OSErr err = MakeSoupEntry(run, offset, &entry);
    if (err != noErr || !entry) return err;
    HLock(entry);
    err = _WESplice(soup, *entry, GetHandleSize(entry), -1);
    DisposeHandle(entry);
    return err;
}
