// Byte-run searches, line breaking, number sniffing and ordering of Mac Roman text.
#include "foundation/text_search.h"

#include "foundation/mac_roman_case.h"

namespace {

const UInt8* Bytes(const void* p) {
    return static_cast<const UInt8*>(p);
}

bool IsDigit(UInt8 c) {
    return c >= '0' && c <= '9';
}

template <typename Fold>
SInt16 CompareFolded(const void* a, const void* b, SInt32 lengthA, SInt32 lengthB, Fold fold) {
    const UInt8* pa = Bytes(a);
    const UInt8* pb = Bytes(b);
    const SInt32 shorter = lengthA < lengthB ? lengthA : lengthB;
    for (SInt32 i = 0; i < shorter; ++i) {
        const UInt8 ca = fold(pa[i]), cb = fold(pb[i]);
        if (ca != cb) return ca > cb ? 1 : -1;
    }
    if (lengthA == lengthB) return 0;
    return lengthA > lengthB ? 1 : -1;
}

} // namespace

UInt16 findspace(const void* text, UInt16 length, bool commaToo) {
    const UInt8* p = Bytes(text);
    for (UInt16 i = 0; i < length; ++i)
        if (p[i] == ' ' || (commaToo && p[i] == ',')) return i;
    return length;
}

UInt16 findnospace(const void* text, UInt16 length, bool commaToo) {
    const UInt8* p = Bytes(text);
    for (UInt16 i = 0; i < length; ++i)
        if (p[i] != ' ' && !(commaToo && p[i] == ',')) return i;
    return length;
}

UInt16 findnospaceback(const void* text, UInt16 length) {
    const UInt8* p = Bytes(text);
    for (SInt32 i = SInt32(length) - 1; i >= 0; --i)
        if (p[i] != ' ') return UInt16(i);
    return 0xFFFF;
}

UInt16 findthis(const void* text, UInt8 c, UInt16 length) {
    const UInt8* p = Bytes(text);
    for (UInt16 i = 0; i < length; ++i)
        if (p[i] == c) return i;
    return length;
}

UInt16 findthisbutnotdouble(const void* text, UInt8 c, UInt16 length, UInt16 notFound) {
    const UInt8* p = Bytes(text);
    for (UInt32 i = 0; i < length; ++i) {
        if (p[i] != c) continue;
        if (i + 1 < length && p[i + 1] == c) {
            ++i; // an escaped pair: skip both
            continue;
        }
        return UInt16(i);
    }
    return notFound;
}

bool IsBreakingChar(UInt8 c) {
    return c < 34 || c == ')' || c == ',' || c == '-' || c == '.' || c == '?' || c == '}';
}

UInt16 findbreakingspace(const void* text, UInt16 length) {
    const UInt8* p = Bytes(text);
    for (UInt16 i = 0; i < length; ++i)
        if (IsBreakingChar(p[i])) return i;
    return length;
}

UInt16 BreakLine(const void* text, UInt16 length, UInt16 max) {
    if (length <= max) return 0;
    const UInt8* p = Bytes(text);
    for (UInt16 prefix = max; prefix > 0; --prefix)
        if (IsBreakingChar(p[prefix - 1])) return prefix;
    return max;
}

SInt16 appearstobeanumber(const char* text) {
    if (!text) return 0;
    const UInt8* p = Bytes(text);
    if (*p == '-' || *p == '+' || *p == '.') ++p;
    if (!IsDigit(*p)) return 0;
    for (++p; *p; ++p)
        if (*p == '/' || *p == ':' || *p == '-') return 0;
    return 1;
}

SInt16 LooksLikeUTF16(const void* buffer, SInt32 length) {
    if (length <= 0) return 0;
    const UInt8* p = Bytes(buffer);
    if (p[0] == 0xFE || p[0] == 0xFF) return 1;
    for (SInt32 i = 0; i < length - 1; ++i)
        if (p[i] == 0) return 1;
    return 0;
}

SInt16 CompareASCII(const void* a, const void* b, SInt32 lengthA, SInt32 lengthB) {
    return CompareFolded(a, b, lengthA, lengthB, [](UInt8 c) { return c; });
}

SInt16 MyCompareText(const void* a, const void* b, SInt32 lengthA, SInt32 lengthB) {
    return CompareFolded(a, b, lengthA, lengthB, MacRomanToLower);
}
