// Creating the embedded objects that a pasted or dropped object soup carries, one character each.
#include "textengine/engine_internal.h"
#include "textengine/host_order_bytes.h"
#include "textengine/pasteboard.h"

#include "platform/memory.h"

#include <cstring>

namespace {

struct SoupEntry {
    SInt32 offset;
    OSType type;
    SInt32 dataSize;
    Point objectSize;
};

SoupEntry ReadSoupEntry(const UInt8* p) {
    return SoupEntry{ReadHostValue<SInt32>(p), ReadHostValue<OSType>(p + 4), ReadHostValue<SInt32>(p + 12),
                     Point{ReadHostValue<SInt16>(p + 16), ReadHostValue<SInt16>(p + 18)}};
}

} // namespace

OSErr _WECheckSoup(Handle soup) {
    if (!soup) return noErr;
    const Size size = GetHandleSize(soup);
    for (Size at = 0; at < size;) {
        if (size - at < kSoupHeaderSize) return weBadStyleScrapErr;
        const SInt32 dataSize = ReadSoupEntry(reinterpret_cast<const UInt8*>(*soup) + at).dataSize;
        if (dataSize < 0 || dataSize > size - at - kSoupHeaderSize) return weBadStyleScrapErr;
        at += kSoupHeaderSize + dataSize;
    }
    return noErr;
}

OSErr _WEApplySoup(SInt32 offset, Handle soup, WEReference we) {
    if (!soup) return noErr;
    Size size = GetHandleSize(soup);
    for (Size at = 0; at < size;) {
        if (size - at < kSoupHeaderSize) return weBadStyleScrapErr;
        SoupEntry entry = ReadSoupEntry(reinterpret_cast<const UInt8*>(*soup) + at);
        // A size that is negative or runs past the soup ends the walk before anything is read from it.
        if (entry.dataSize < 0 || entry.dataSize > size - at - kSoupHeaderSize) return weBadStyleScrapErr;
        SInt64 character = SInt64(offset) + entry.offset;
        if (character >= 0 && character < RecordOf(we).textLength) {
            Handle data = nullptr;
            OSErr err = _WEAllocate(entry.dataSize, kWEAllocTempFirst, &data, 0, __FILE__, __LINE__);
            if (err != noErr) return err;
            std::memcpy(*data, *soup + at + kSoupHeaderSize, size_t(entry.dataSize));
            WEObjectReference object = nullptr;
            err = _WENewObject(entry.type, data, we, &object);
            if (err != noErr) {
                DisposeHandle(data);
                return err;
            }
            // The size the object had when it was copied, unless the soup did not record one.
            if (entry.objectSize.v != 0 || entry.objectSize.h != 0) WESetObjectSize(object, entry.objectSize);
            WETextStyle style;
            style.extra = object;
            err = _WESetStyleRange(SInt32(character), SInt32(character) + 1, weDoExtra, &style, we);
            if (err != noErr) {
                _WEFreeObject(object);
                return err;
            }
        }
        at += kSoupHeaderSize + entry.dataSize;
    }
    return noErr;
}
