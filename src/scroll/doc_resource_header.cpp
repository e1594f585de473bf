// The document resource header and the checks that bring a document's side resources into this
// machine's byte order; the bookmark list check also converts lists written before the header existed.
#include "scroll/doc_resource_header.h"

#include "platform/bytes.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cstring>

namespace {

UInt32 ReadNative32(const UInt8* p) {
    UInt32 value;
    std::memcpy(&value, p, 4);
    return value;
}

void WriteNative32(UInt8* p, UInt32 value) {
    std::memcpy(p, &value, 4);
}

void Swap32At(UInt8* p) {
    WriteNative32(p, SwapBytes32(ReadNative32(p)));
}

void Swap16At(UInt8* p) {
    std::swap(p[0], p[1]);
}

void MarkDocumentChanged(bool markChanged) {
    if (!markChanged) return;
    gDontQuitWithoutSaving = true;
    gDoOpenChangedFile = true;
}

enum class HeaderOrder { kNone, kNative, kSwapped };

// Recognises the tag in either order; a swapped header is left swapped into this machine's order, a
// foreign one is left as it was.
HeaderOrder TestHeaderTag(Handle handle, ResType tag, ResType otherTag = 0) {
    if (!handle || GetHandleSize(handle) < kDocResourceHeaderSize) return HeaderOrder::kNone;
    UInt8* bytes = reinterpret_cast<UInt8*>(*handle);
    const UInt32 first = ReadNative32(bytes);
    if (first == tag || (otherTag && first == otherTag)) return HeaderOrder::kNative;
    const UInt32 swapped = SwapBytes32(first);
    if (swapped != tag && !(otherTag && swapped == otherTag)) return HeaderOrder::kNone;
    WriteNative32(bytes, swapped);
    Swap32At(bytes + 4);
    return HeaderOrder::kSwapped;
}

bool HasCurrentVersion(Handle handle) {
    return ReadNative32(reinterpret_cast<const UInt8*>(*handle) + 4) == kDocResourceVersion;
}

// The check shared by the resources whose content after the header belongs to the subsystem reading it.
SInt16 CheckHeaderOnly(Handle handle, ResType tag, bool markChanged) {
    const HeaderOrder order = TestHeaderTag(handle, tag);
    if (order == HeaderOrder::kNone || !HasCurrentVersion(handle)) return 0;
    if (order == HeaderOrder::kSwapped) MarkDocumentChanged(markChanged);
    return 1;
}

void ConvertHeaderlessBookmarks(Handle* handle, bool markChanged) {
    const Size size = GetHandleSize(*handle);
    if (size == 0) return;
    const Size textSize = myTextResource ? GetHandleSize(myTextResource) : 0;
    const bool looks16 = size < 4 || size % 4 != 0;
    bool notAscending = false;
    bool outOfRange = false;
    SInt32 previous = 0;
    const UInt8* bytes = reinterpret_cast<const UInt8*>(**handle);
    for (Size i = 0; i < size / 4 && !(looks16 && notAscending); ++i) {
        const SInt32 entry = SInt32(ReadNative32(bytes + i * 4));
        if (entry < previous) notAscending = true;
        if (entry < 0 || entry > textSize) outOfRange = true;
        previous = entry;
    }
    if (!looks16 && !notAscending && !outOfRange) return;

    bool widen = false;
    bool swap = false;
    if (!PleaseConvertBookmarks(looks16, notAscending, outOfRange, &widen, &swap)) return;
    // A 16-bit list from the other order is swapped before it is widened, so that the sign extension
    // sees the real values.
    if (swap && looks16) {
        SwapBookmarks(*handle, true, 0);
        MarkDocumentChanged(markChanged);
    }
    if (widen) {
        Handle wide = NewHandle((size / 2) * 4);
        if (!wide) return;
        const UInt8* narrow = reinterpret_cast<const UInt8*>(**handle);
        for (Size i = 0; i < size / 2; ++i) {
            SInt16 entry;
            std::memcpy(&entry, narrow + i * 2, 2);
            WriteNative32(reinterpret_cast<UInt8*>(*wide) + i * 4, UInt32(SInt32(entry)));
        }
        DisposeHandle(*handle);
        *handle = wide;
        MarkDocumentChanged(markChanged);
    }
    if (swap && !looks16) {
        SwapBookmarks(*handle, false, 0);
        MarkDocumentChanged(markChanged);
    }
}

} // namespace

void WriteDocResourceHeader(UInt8* out, ResType tag) {
    WriteNative32(out, tag);
    WriteNative32(out + 4, kDocResourceVersion);
}

DocResourceHeader ReadDocResourceHeader(const UInt8* in) {
    return {ReadNative32(in), ReadNative32(in + 4)};
}

void SwapBookmarks(Handle handle, bool as16, SInt32 first) {
    if (!handle) return;
    const Size unit = as16 ? 2 : 4;
    UInt8* bytes = reinterpret_cast<UInt8*>(*handle);
    for (Size at = Size(first) * unit; at >= 0 && at + unit <= GetHandleSize(handle); at += unit) {
        if (as16)
            Swap16At(bytes + at);
        else
            Swap32At(bytes + at);
    }
}

void CheckBookmarkCompatibility(Handle* handle, bool markChanged) {
    if (!handle || !*handle) return;
    const HeaderOrder order = TestHeaderTag(*handle, kBookmarkTag);
    if (order == HeaderOrder::kNone) {
        ConvertHeaderlessBookmarks(handle, markChanged);
        return;
    }
    const Size contentSize = GetHandleSize(*handle) - kDocResourceHeaderSize;
    Handle content = NewHandle(contentSize);
    if (!content) return;
    BlockMove(**handle + kDocResourceHeaderSize, *content, contentSize);
    DisposeHandle(*handle);
    *handle = content;
    if (order == HeaderOrder::kSwapped) {
        SwapBookmarks(content, false, 0);
        MarkDocumentChanged(markChanged);
    }
}

bool CheckBookmarkNamesSwapped(Handle* handle) {
    if (!handle || !*handle) return false;
    return TestHeaderTag(*handle, kBookmarkTag) == HeaderOrder::kSwapped;
}

SInt16 CheckTabCompatibility(Handle* handle, bool markChanged) {
    if (!handle || !*handle) return 0;
    const HeaderOrder order = TestHeaderTag(*handle, kTabsTag);
    if (order == HeaderOrder::kNone || !HasCurrentVersion(*handle)) return 0;
    if (order == HeaderOrder::kSwapped) {
        UInt8* bytes = reinterpret_cast<UInt8*>(**handle);
        const Size size = GetHandleSize(*handle);
        if (size >= 16) {
            Swap32At(bytes + 8);
            Swap32At(bytes + 12);
        }
        const SInt32 count = size >= 16 ? std::clamp(SInt32(ReadNative32(bytes + 12)), 0, SInt32(50)) : 0;
        for (SInt32 i = 0; i < count; ++i) {
            if (16 + i * 2 + 2 <= size) Swap16At(bytes + 16 + i * 2);
            if (116 + i * 2 + 2 <= size) Swap16At(bytes + 116 + i * 2);
        }
        MarkDocumentChanged(markChanged);
    }
    return 1;
}

SInt16 CheckTextMergeCompatibility(Handle handle, bool markChanged) {
    const HeaderOrder order = TestHeaderTag(handle, kTextMergeTag, kWordSwapTag);
    if (order == HeaderOrder::kNone || !HasCurrentVersion(handle)) return 0;
    IsNotTextMergeData(ReadNative32(reinterpret_cast<const UInt8*>(*handle)));
    if (order == HeaderOrder::kSwapped) MarkDocumentChanged(markChanged);
    return 1;
}

SInt16 CheckHypertextCompatibility(Handle handle, bool markChanged) {
    return CheckHeaderOnly(handle, kHypertextTag, markChanged);
}

SInt16 CheckSpiroCompatibility(Handle handle, bool markChanged) {
    return CheckHeaderOnly(handle, kMandalaTag, markChanged);
}

SInt16 CheckOverlayCompatibility(Handle handle, bool markChanged) {
    return CheckHeaderOnly(handle, kOverlayTag, markChanged);
}

SInt16 IsNotTextMergeData(ResType tag) {
    if (tag == kTextMergeTag) return 0;
    if (tag == kWordSwapTag) {
        gFlagDoWordSwap = true;
        return 0;
    }
    return 1;
}
