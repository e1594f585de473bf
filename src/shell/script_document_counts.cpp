// Counts stored inside side resources, checked against the resource's size before anything trusts them,
// and the byte order of the word and syllable arrays as documents store them.
#include "foundation/error_dialog.h"
#include "platform/bytes.h"
#include "shell/script_document_parts.h"

#include <cstring>

namespace {

constexpr size_t kHeaderSize = 8;

UInt32 ReadUnit32(const UInt8* p, bool otherOrder) {
    UInt32 v;
    std::memcpy(&v, p, 4);
    return otherOrder ? SwapBytes32(v) : v;
}

// Length-prefixed strings back to back from `at`: false when one runs past the end. `count` limits how
// many are read (-1: up to the end).
bool StringsFit(std::span<const UInt8> data, size_t at, SInt32 count) {
    for (SInt32 i = 0; count < 0 ? at < data.size() : i < count; ++i) {
        if (at >= data.size()) return false;
        at += size_t(data[at]) + 1;
        if (at > data.size()) return false;
    }
    return true;
}

// One counted array of the hypertext resource: its u32 count, then count records of `recordSize`.
bool CountedArrayFits(std::span<const UInt8> data, size_t& at, size_t recordSize, bool otherOrder) {
    if (at + 4 > data.size()) return false;
    const UInt64 count = ReadUnit32(data.data() + at, otherOrder);
    at += 4;
    if (count * recordSize > data.size() - at) return false;
    at += size_t(count * recordSize);
    return true;
}

std::string TypeText(ResType type) {
    return {char(type >> 24), char(type >> 16), char(type >> 8), char(type)};
}

} // namespace

bool SideResourceCountsFit(ResType type, std::span<const UInt8> data, bool otherOrder) {
    if (type == FourCC("BmkN")) {
        if (data.size() <= kHeaderSize) return true;
        if (data.size() < kHeaderSize + 2) return false;
        UInt16 count;
        std::memcpy(&count, data.data() + kHeaderSize, 2);
        if (otherOrder) count = SwapBytes16(count);
        return SInt16(count) >= 0 && StringsFit(data, kHeaderSize + 2, SInt16(count));
    }
    if (type == FourCC("TxMg")) return data.size() >= kHeaderSize && StringsFit(data, kHeaderSize, -1);
    if (type == FourCC("HyTx")) {
        size_t at = kHeaderSize;
        return CountedArrayFits(data, at, 12, otherOrder) && CountedArrayFits(data, at, 16, otherOrder) &&
               CountedArrayFits(data, at, 32, otherOrder);
    }
    return true;
}

void ReportDamagedSideResource(ResType type, const std::string& documentName) {
    DoErrorMessageText("The side data '" + TypeText(type) + "' of \"" + documentName +
                       "\" holds more than it has room for and was not used; the rest of the document is "
                       "open, and that data is written back unchanged when it is saved.");
}

void SwapArrayToHost(Handle array) {
    if (!array) return;
    UInt8* bytes = reinterpret_cast<UInt8*>(*array);
    for (Size at = 0; at + 4 <= GetHandleSize(array); at += 4) {
        const UInt32 host = ReadBE32(bytes + at);
        std::memcpy(bytes + at, &host, 4);
    }
}

Handle CopyArrayBigEndian(Handle array) {
    Handle copy = array;
    if (!array || HandToHand(&copy) != noErr) return nullptr;
    UInt8* bytes = reinterpret_cast<UInt8*>(*copy);
    for (Size at = 0; at + 4 <= GetHandleSize(copy); at += 4) {
        UInt32 host;
        std::memcpy(&host, bytes + at, 4);
        WriteBE32(bytes + at, host);
    }
    return copy;
}
