// The document's text merge list: entries of three length-prefixed strings (keyword, replace-with text,
// prompt) packed back to back in one handle, read through a remembered walk position so that reading the
// entries in order costs one step each. Every change checks the strings against the handle's end first.
#include "texttools/text_tools.h"

#include "shell/script_documents.h"

#include <cstring>

namespace {

constexpr SInt16 kFieldsPerEntry = 3;

// Where GetTextMergeText last stopped: the entry and its byte offset, while the list is as it was then.
struct WalkMemory {
    Handle list = nullptr;
    Size listSize = -1;
    SInt32 entry = -1;
    Size offset = 0;
};
WalkMemory gWalk;

void ForgetWalk() {
    gWalk = WalkMemory{};
}

void ListChanged() {
    ForgetWalk();
    gDontQuitWithoutSaving = true;
}

const UInt8* Bytes() {
    return reinterpret_cast<const UInt8*>(*gTextMergeList);
}

// The offset just past `strings` whole strings from `from`, or -1 when one would run past the end.
Size SkipStrings(Size from, SInt32 strings) {
    const Size size = GetHandleSize(gTextMergeList);
    for (SInt32 i = 0; i < strings; ++i) {
        if (from >= size || from + 1 + Bytes()[from] > size) return -1;
        from += 1 + Bytes()[from];
    }
    return from;
}

// The offset of entry n walked from the start, every string on the way checked; -1 when damaged or absent.
Size EntryOffset(SInt32 n) {
    if (!gTextMergeList || n < 0 || n >= gNumTextMerge) return -1;
    return SkipStrings(0, n * kFieldsPerEntry);
}

void CopyString(Size at, StringPtr out) {
    if (out) std::memcpy(out, Bytes() + at, size_t(Bytes()[at]) + 1);
}

} // namespace

OSErr SpliceTextMergeText(Handle h, const void* data, SInt32 dataLength, SInt32 offset, SInt32 replaced) {
    if (!h || dataLength < 0 || replaced < 0) return paramErr;
    const Size size = GetHandleSize(h);
    if (offset == -1) offset = SInt32(size);
    if (offset < 0 || offset > size || offset + Size(replaced) > size) return paramErr;
    const Size tail = size - offset - replaced;
    const Size newSize = size - replaced + dataLength;
    if (newSize > size) {
        SetHandleSize(h, newSize);
        const OSErr err = MemError();
        if (err != noErr) return err;
        if (GetHandleSize(h) != newSize) return OSErr(memFullErr);
    }
    std::memmove(*h + offset + dataLength, *h + offset + replaced, size_t(tail));
    if (data && dataLength) std::memcpy(*h + offset, data, size_t(dataLength));
    if (newSize < size) SetHandleSize(h, newSize);
    return noErr;
}

bool AddTextMergeText() {
    static const UInt8 kEmptyEntry[kFieldsPerEntry] = {0, 0, 0};
    if (!gTextMergeList) {
        Handle list = NewHandleClear(kFieldsPerEntry);
        if (!list) return false;
        gTextMergeList = list;
        gNumTextMerge = 0;
    } else if (SpliceTextMergeText(gTextMergeList, kEmptyEntry, kFieldsPerEntry, -1, 0) != noErr) {
        return false;
    }
    ++gNumTextMerge;
    ListChanged();
    return true;
}

bool GetTextMergeText(SInt16 n, StringPtr keyword, StringPtr replaceWith, StringPtr prompt) {
    if (!gTextMergeList || n < 0 || n >= gNumTextMerge) return false;
    Size at = 0;
    SInt32 entry = 0;
    const bool walkHolds = gWalk.list == gTextMergeList && gWalk.listSize == GetHandleSize(gTextMergeList);
    if (walkHolds && gWalk.entry >= 0 && n >= gWalk.entry) {
        at = gWalk.offset;
        entry = gWalk.entry;
    }
    at = SkipStrings(at, (n - entry) * kFieldsPerEntry);
    if (at < 0) return false;
    const Size replaceAt = SkipStrings(at, 1);
    const Size promptAt = replaceAt < 0 ? -1 : SkipStrings(replaceAt, 1);
    if (promptAt < 0 || SkipStrings(promptAt, 1) < 0) return false;
    gWalk = WalkMemory{gTextMergeList, GetHandleSize(gTextMergeList), n, at};
    CopyString(at, keyword);
    CopyString(replaceAt, replaceWith);
    CopyString(promptAt, prompt);
    return true;
}

bool SetTextMergeText(SInt32 n, SInt16 field, ConstStr255Param text) {
    if (field < 0 || field >= kFieldsPerEntry || !text) return false;
    const Size entry = EntryOffset(n);
    if (entry < 0 || SkipStrings(entry, kFieldsPerEntry) < 0) return false;
    const Size at = SkipStrings(entry, field);
    const SInt32 oldLength = 1 + Bytes()[at];
    if (SpliceTextMergeText(gTextMergeList, text, 1 + text[0], SInt32(at), oldLength) != noErr) return false;
    ListChanged();
    return true;
}

bool RemoveTextMergeText(SInt32 n) {
    const Size entry = EntryOffset(n);
    const Size end = entry < 0 ? -1 : SkipStrings(entry, kFieldsPerEntry);
    if (end < 0) return false;
    if (SpliceTextMergeText(gTextMergeList, nullptr, 0, SInt32(entry), SInt32(end - entry)) != noErr)
        return false;
    if (GetHandleSize(gTextMergeList) == 0 || gNumTextMerge <= 1) {
        DisposeHandle(gTextMergeList);
        gTextMergeList = nullptr;
        gNumTextMerge = 0;
    } else {
        --gNumTextMerge;
    }
    ListChanged();
    return true;
}

bool SwapTextMergeText(SInt32 a, SInt32 b) {
    if (a < 0 || b < 0 || a > 32767 || b > 32767) return false;
    Str255 strings[2][kFieldsPerEntry];
    if (!GetTextMergeText(SInt16(a), strings[0][0], strings[0][1], strings[0][2])) return false;
    if (!GetTextMergeText(SInt16(b), strings[1][0], strings[1][1], strings[1][2])) return false;
    for (SInt16 field = 0; field < kFieldsPerEntry; ++field)
        if (!SetTextMergeText(b, field, strings[0][field])) return false;
    for (SInt16 field = 0; field < kFieldsPerEntry; ++field)
        if (!SetTextMergeText(a, field, strings[1][field])) return false;
    return true;
}

void ClearTextMergeReplaceWith() {
    const UInt8 empty[1] = {0};
    for (SInt32 n = 0; n < gNumTextMerge; ++n)
        SetTextMergeText(n, 1, empty);
    PutTextMergeInList();
}

bool CheckForTextMergeFunction(Handle list, SInt32 count) {
    if (!list || count <= 0) return false;
    const Size size = GetHandleSize(list);
    const auto* bytes = reinterpret_cast<const UInt8*>(*list);
    Size at = 0;
    for (SInt32 entry = 0; entry < count; ++entry) {
        for (SInt16 field = 0; field < kFieldsPerEntry; ++field) {
            if (at >= size || at + 1 + bytes[at] > size) return true;
            if (field == 1 && bytes[at] != 0) return false;
            at += 1 + bytes[at];
        }
    }
    return true;
}

bool UseTextMergeData(const UInt8* data, Size size) {
    if (gTextMergeList) DisposeHandle(gTextMergeList);
    gTextMergeList = nullptr;
    gNumTextMerge = 0;
    ForgetWalk();
    // Whole strings are counted up to the first that runs past the end; an incomplete last entry is dropped.
    Size at = 0, entryEnd = 0;
    SInt32 strings = 0;
    while (data && at < size && at + 1 + data[at] <= size) {
        at += 1 + data[at];
        if (++strings % kFieldsPerEntry == 0) entryEnd = at;
    }
    const SInt32 entries = strings / kFieldsPerEntry;
    if (entries == 0) return true;
    Handle list = NewHandle(entryEnd);
    if (!list) return false;
    std::memcpy(*list, data, size_t(entryEnd));
    gTextMergeList = list;
    gNumTextMerge = entries;
    return true;
}
