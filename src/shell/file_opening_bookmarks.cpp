// The bookmarks and bookmark names an inserted document brings: placed in order among the document's own,
// with every offset, count and name length checked against the data that holds it.
#include "platform/memory.h"
#include "platform/resources.h"
#include "scroll/bookmarks.h"
#include "scroll/doc_resource_header.h"
#include "shell/file_opening.h"

#include <cstring>
#include <vector>

namespace {

constexpr ResID kDocumentResourceID = 128;

SInt32 GetSlotOffset(SInt32 slot) {
    if (!gBookmarkList || slot < 0 || Size(slot + 1) * 4 > GetHandleSize(gBookmarkList)) return -1;
    SInt32 offset;
    std::memcpy(&offset, *gBookmarkList + Size(slot) * 4, 4);
    return offset;
}

// Empty names for the new slots go before name k, so that the names after them keep their slots.
void SpliceEmptyNames(SInt32 k, SInt32 n) {
    if (!gBookmarkNames || GetHandleSize(gBookmarkNames) < 2) return;
    SInt16 count;
    std::memcpy(&count, *gBookmarkNames, 2);
    if (count <= k) return;
    Size at = 2;
    const Size size = GetHandleSize(gBookmarkNames);
    for (SInt32 i = 0; i < k; ++i) {
        if (at >= size) return;
        at += 1 + UInt8((*gBookmarkNames)[at]);
    }
    if (at > size || SInt32(count) + n > 0x7FFF) return;
    const std::vector<char> empty(size_t(n), 0);
    if (SpliceHandle(gBookmarkNames, at, 0, empty.data(), n) != noErr) return;
    count = SInt16(count + n);
    std::memcpy(*gBookmarkNames, &count, 2);
}

// The names after the 8-byte header: a 16-bit count, then length-prefixed names; as many as the data holds.
std::vector<std::vector<UInt8>> ReadBookmarkNames(Handle names, bool swapped) {
    std::vector<std::vector<UInt8>> result;
    const Size size = GetHandleSize(names);
    if (size < Size(kDocResourceHeaderSize) + 2) return result;
    const UInt8* bytes = reinterpret_cast<const UInt8*>(*names);
    UInt16 count;
    std::memcpy(&count, bytes + kDocResourceHeaderSize, 2);
    if (swapped) count = UInt16((count >> 8) | (count << 8));
    Size at = kDocResourceHeaderSize + 2;
    for (UInt16 i = 0; i < count && at < size; ++i) {
        const Size length = bytes[at];
        if (at + 1 + length > size) break;
        std::vector<UInt8> name(1 + length);
        std::memcpy(name.data(), bytes + at, size_t(1 + length));
        result.push_back(std::move(name));
        at += 1 + length;
    }
    return result;
}

} // namespace

SInt32 SpliceInsertedBookmarks(std::span<const SInt32> offsets, SInt32 insertAt, SInt32 insertedLength) {
    std::vector<SInt32> placed;
    placed.reserve(offsets.size());
    for (SInt32 offset : offsets)
        placed.push_back(offset >= 0 && offset <= insertedLength ? insertAt + offset : -1);
    if (placed.empty()) return 0;

    if (gNumBookmarks <= 0 || !gBookmarkList) {
        for (SInt32 offset : placed)
            if (offset >= 0) SetBookmark(-1, offset, 0);
        return 0;
    }
    SInt32 first = -1;
    for (SInt32 offset : placed)
        if (offset >= 0) {
            first = offset;
            break;
        }
    SInt32 k = gNumBookmarks;
    if (first >= 0)
        for (SInt32 slot = 0; slot < gNumBookmarks; ++slot)
            if (GetSlotOffset(slot) >= first) {
                k = slot;
                break;
            }
    const SInt32 n = SInt32(placed.size());
    if (SpliceHandle(gBookmarkList, Size(k) * 4, 0, placed.data(), Size(n) * 4) != noErr) return k;
    SpliceEmptyNames(k, n);
    gNumBookmarks += n;
    return k;
}

void AddInsertedBookmarks(SInt32 insertAt, SInt32 insertedLength) {
    Handle marks = Get1Resource(FourCC("BkMk"), kDocumentResourceID);
    if (!marks) return;
    DetachResource(marks);
    CheckBookmarkCompatibility(&marks, false);
    if (!marks) return;
    std::vector<SInt32> offsets(size_t(GetHandleSize(marks) / 4));
    if (!offsets.empty()) std::memcpy(offsets.data(), *marks, offsets.size() * 4);
    DisposeHandle(marks);
    const SInt32 k = SpliceInsertedBookmarks(offsets, insertAt, insertedLength);

    Handle names = Get1Resource(FourCC("BmkN"), kDocumentResourceID);
    if (!names) return;
    DetachResource(names);
    const bool swapped = CheckBookmarkNamesSwapped(&names);
    const std::vector<std::vector<UInt8>> read = ReadBookmarkNames(names, swapped);
    DisposeHandle(names);
    // Names past the inserted slots would rename the document's own bookmarks.
    const size_t count = std::min(read.size(), offsets.size());
    for (size_t i = 0; i < count; ++i) {
        const SInt32 slot = k + SInt32(i);
        if (slot > 0x7FFE) break;
        SetBookmarkName(SInt16(slot), read[i].data());
        SetBookmarkMenuItem(GetSlotOffset(slot), SInt16(slot + 1), 0);
        SetBookmarkListText(SInt16(slot));
    }
}
