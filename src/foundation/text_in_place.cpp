// In-place text edits on length-prefixed strings and plain byte runs.
#include "foundation/text_in_place.h"

#include "foundation/mac_roman_case.h"

#include <cstring>

namespace {

// Moves the bytes for which keep() is true to the front; returns how many were kept.
template <typename Keep> SInt32 Compact(UInt8* p, SInt32 length, Keep keep) {
    SInt32 kept = 0;
    for (SInt32 i = 0; i < length; ++i)
        if (keep(p[i])) p[kept++] = p[i];
    return kept;
}

char newstr[256];

} // namespace

void MakeTextLower(void* text, SInt32 length) {
    UInt8* p = static_cast<UInt8*>(text);
    for (SInt32 i = 0; i < length; ++i)
        p[i] = MacRomanToLower(p[i]);
}

void CleanStr(StringPtr string) {
    string[0] = UInt8(Compact(string + 1, string[0], [](UInt8 b) { return b >= 32 && b <= 254; }));
}

void RemoveThisChar(StringPtr string, UInt8 c) {
    string[0] = UInt8(Compact(string + 1, string[0], [c](UInt8 b) { return b != c; }));
}

SInt32 RemoveThisCharFromPtr(void* text, SInt32 length, UInt8 c) {
    if (length <= 0) return 0;
    return length - Compact(static_cast<UInt8*>(text), length, [c](UInt8 b) { return b != c; });
}

SInt32 MakeDoublesSingle(void* text, SInt32 length, UInt8 c) {
    UInt8* p = static_cast<UInt8*>(text);
    SInt32 out = 0;
    for (SInt32 i = 0; i < length; ++i) {
        p[out++] = p[i];
        if (p[i] == c && i + 1 < length && p[i + 1] == c) ++i;
    }
    return length > 0 ? length - out : 0;
}

void RemoveSpaces(void* text, const SInt32* length) {
    UInt8* p = static_cast<UInt8*>(text);
    auto notSpace = [](UInt8 b) { return b != ' '; };
    if (!length) {
        p[0] = UInt8(Compact(p + 1, p[0], notSpace));
        return;
    }
    if (*length <= 0) return;
    const SInt32 kept = Compact(p, *length, notSpace);
    std::memset(p + kept, ' ', size_t(*length - kept));
}

const char* AddSpacesBefore(SInt16 n, const char* text, SInt16 length) {
    if (n < 0 || length < 0 || n + length > 255) return text;
    std::memset(newstr, ' ', size_t(n));
    std::memcpy(newstr + n, text, size_t(length));
    newstr[n + length] = 0;
    return newstr;
}
