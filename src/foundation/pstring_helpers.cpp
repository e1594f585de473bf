// Length-prefixed and zero-terminated string copying, joining, quoting and newline handling.
#include "foundation/pstring_helpers.h"

#include "foundation/error_dialog.h"
#include "platform/pstring.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr UInt8 kQuote = '"';
constexpr char kCR = '\r';
constexpr char kLF = '\n';

// Appends at most what keeps the string within 255 bytes; returns whether everything fitted.
bool AppendBytes(StringPtr destination, const void* bytes, size_t count) {
    const size_t room = 255 - destination[0];
    const size_t n = std::min(count, room);
    std::memmove(destination + 1 + destination[0], bytes, n);
    destination[0] = UInt8(destination[0] + n);
    return n == count;
}

bool IsNewlineDelimiter(char d) {
    return d == kCR || d == kLF;
}

// Whether the delimiter stands at index i: the character itself or, for CR and LF, the letter of a
// backslash escape (the backslash has then been copied and is dropped afterwards).
bool DelimiterAt(const char* s, SInt32 i, char d) {
    if (s[i] == d) return true;
    return IsNewlineDelimiter(d) && i > 0 && s[i - 1] == '\\' && (s[i] == 'r' || s[i] == 'n');
}

} // namespace

StringPtr CopyPstr(ConstStringPtr source, StringPtr destination) {
    if (!source) {
        destination[0] = 0;
        return destination;
    }
    std::memmove(destination, source, size_t(source[0]) + 1);
    return destination;
}

StringPtr CatPstr(ConstStringPtr source, StringPtr destination) {
    if (!source) return destination;
    if (!AppendBytes(destination, source + 1, source[0])) DoErrorMessageText("To many characters in CatPstr");
    return destination;
}

StringPtr Copy2Pstr(const char* source, StringPtr destination) {
    if (!source || !destination) return destination;
    const size_t n = std::min<size_t>(std::strlen(source), 255);
    std::memmove(destination + 1, source, n);
    destination[0] = UInt8(n);
    return destination;
}

char* Copy2Cstr(ConstStringPtr source, char* destination, size_t capacity) {
    if (!destination || capacity == 0) return destination;
    const size_t n = source ? std::min<size_t>(source[0], capacity - 1) : 0;
    if (n) std::memmove(destination, source + 1, n);
    destination[n] = 0;
    return destination;
}

StringPtr CatCtoPstr(const char* source, StringPtr destination) {
    if (source && destination) AppendBytes(destination, source, std::strlen(source));
    return destination;
}

char* CatPtoCstr(ConstStringPtr source, char* destination, size_t capacity) {
    if (!source || !destination || capacity == 0) return destination;
    const size_t used = strnlen(destination, capacity - 1);
    const size_t n = std::min<size_t>(source[0], capacity - 1 - used);
    std::memmove(destination + used, source + 1, n);
    destination[used + n] = 0;
    return destination;
}

StringPtr CopyPstrAddQuotes(ConstStringPtr source, StringPtr destination) {
    std::string_view text = PStringView(source);
    const bool opens = !text.empty() && UInt8(text.front()) == kQuote;
    const bool closes = !text.empty() && UInt8(text.back()) == kQuote && !(opens && text.size() == 1);
    // The quotes always fit: the text gives way to them.
    const size_t quotes = (opens ? 0 : 1) + (closes ? 0 : 1);
    if (text.size() + quotes > 255) text = text.substr(0, 255 - quotes);
    Str255 result;
    result[0] = 0;
    if (!opens) AppendBytes(result, &kQuote, 1);
    AppendBytes(result, text.data(), text.size());
    if (!closes) AppendBytes(result, &kQuote, 1);
    return CopyPstr(result, destination);
}

UInt8 ReplaceInPString(ConstStringPtr replacement, StringPtr target, SInt16 position, SInt16 oldLength) {
    const size_t length = target[0];
    const size_t at = std::clamp<SInt32>(position, 0, SInt32(length));
    const size_t removed = std::clamp<SInt32>(oldLength, 0, SInt32(length - at));
    const size_t inserted = std::min<size_t>(replacement ? replacement[0] : 0, 255 - at);
    const size_t tail = std::min(length - at - removed, 255 - at - inserted);
    std::memmove(target + 1 + at + inserted, target + 1 + at + removed, tail);
    if (inserted) std::memmove(target + 1 + at, replacement + 1, inserted);
    const size_t newLength = at + inserted + tail;
    target[0] = UInt8(newLength);
    return UInt8(newLength - length);
}

StringPtr FindReplaceInPString(ConstStringPtr replacement, StringPtr target, ConstStringPtr pattern) {
    if (!pattern || pattern[0] == 0) return target;
    const UInt8* begin = target + 1;
    const UInt8* end = begin + target[0];
    const UInt8* found = std::search(begin, end, pattern + 1, pattern + 1 + pattern[0]);
    if (found != end) ReplaceInPString(replacement, target, SInt16(found - begin), pattern[0]);
    return target;
}

char* CopyColonAtPosition(const char* source, char* destination, SInt16 column, size_t capacity) {
    if (!destination || capacity == 0) return destination;
    size_t out = 0;
    bool colonPlaced = false;
    for (const char* p = source ? source : ""; *p && out + 1 < capacity; ++p) {
        if (*p == ':' && !colonPlaced) {
            colonPlaced = true;
            while (SInt32(out) + 1 < column && out + 1 < capacity)
                destination[out++] = ' ';
            if (out + 1 >= capacity) break;
        }
        destination[out++] = *p;
    }
    destination[out] = 0;
    return destination;
}

bool RemoveNonNumeric(StringPtr string, SInt16 maximum) {
    const UInt8 before = string[0];
    UInt8 kept = 0;
    for (UInt8 i = 1; i <= before; ++i)
        if (string[i] >= '0' && string[i] <= '9') string[++kept] = string[i];
    string[0] = kept;
    if (maximum != -1 && maximum >= 0 && string[0] > maximum) string[0] = UInt8(maximum);
    return string[0] != before;
}

void RemoveNewline(char* string) {
    if (!string) return;
    char* out = string;
    for (const char* p = string; *p; ++p) {
        if (*p == kCR || *p == kLF) continue;
        if (p[0] == '\\' && (p[1] == 'r' || p[1] == 'n')) {
            ++p;
            continue;
        }
        *out++ = *p;
    }
    *out = 0;
}

void NewlineToCR(char* string) {
    if (!string) return;
    for (char* p = string; *p; ++p) {
        if (*p == kCR) {
            *p = ' ';
        } else if (*p == kLF) {
            *p = kCR;
        } else if (p[0] == '\\' && p[1] == 'r') {
            p[0] = p[1] = ' ';
            ++p;
        } else if (p[0] == '\\' && p[1] == 'n') {
            p[0] = ' ';
            p[1] = kCR;
            ++p;
        }
    }
}

SInt32 CopyTextFromTo(const char* source, char* destination, SInt32 start, char open, char close,
                      size_t capacity) {
    if (destination && capacity) destination[0] = 0;
    if (!source) return 0;
    const SInt32 length = SInt32(std::strlen(source));
    SInt32 i = std::clamp<SInt32>(start, 0, length);
    while (i < length && !DelimiterAt(source, i, open))
        ++i;
    if (i >= length) return length;
    ++i;
    size_t out = 0;
    for (; i < length && !DelimiterAt(source, i, close); ++i)
        if (destination && out + 1 < capacity) destination[out++] = source[i];
    if (out && destination[out - 1] == '\\') --out;
    if (destination && capacity) destination[out] = 0;
    return i;
}
