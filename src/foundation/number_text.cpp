// Decimal and hexadecimal conversions between numbers and Mac Roman text.
#include "foundation/number_text.h"

#include "platform/pstring.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr char kDigits[] = "0123456789";

void Append(StringPtr out, std::string_view text) {
    size_t room = 255 - out[0];
    size_t n = text.size() < room ? text.size() : room;
    std::memcpy(out + 1 + out[0], text.data(), n);
    out[0] = UInt8(out[0] + n);
}

void AppendChar(StringPtr out, char c) {
    Append(out, std::string_view(&c, 1));
}

// The digits of a magnitude, most significant first, without a sign.
std::string_view DigitsOf(UInt64 magnitude, char (&buffer)[24]) {
    char* end = buffer + sizeof buffer;
    char* p = end;
    do {
        *--p = kDigits[magnitude % 10];
        magnitude /= 10;
    } while (magnitude);
    return std::string_view(p, size_t(end - p));
}

UInt64 Magnitude(SInt64 v) {
    return v < 0 ? UInt64(-v) : UInt64(v);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// The platform's text-to-number rule: an optional sign, then digits up to the first other character,
// kept to 32 bits.
SInt32 StringToNum(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    UInt32 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + UInt32(text[i] - '0');
    return SInt32(negative ? 0u - value : value);
}

StringPtr d_to_a(SInt32 value, SInt16 pad, StringPtr out) {
    out[0] = 0;
    const UInt64 magnitude = Magnitude(value);
    char buffer[24];
    if (value < 0) AppendChar(out, '-');
    Append(out, DigitsOf(magnitude / 10, buffer));
    AppendChar(out, '.');
    AppendChar(out, kDigits[magnitude % 10]);
    return out;
}

char* d_to_s(SInt32 value, SInt16 pad, char* out, size_t capacity) {
    if (!out || capacity == 0) return out;
    std::snprintf(out, capacity, "%d", int(value));
    return out;
}

StringPtr div_to_a(SInt32 whole, SInt32 fraction, SInt16 places, StringPtr out) {
    NumToString(whole, out);
    AppendChar(out, '.');
    char buffer[24];
    std::string_view digits = DigitsOf(Magnitude(fraction), buffer);
    for (SInt32 pad = places - SInt32(digits.size()); pad > 0; --pad)
        AppendChar(out, '0');
    Append(out, digits.substr(0, places > 0 ? size_t(places) : 0));
    return out;
}

StringPtr DoubleToNum(double value, StringPtr out, bool trim) {
    // Beyond what 32 bits of thousandths hold, the text saturates rather than wrapping around.
    double scaled = std::trunc(value * 1000.0);
    if (!(scaled == scaled)) scaled = 0;
    if (scaled > 2147483647.0) scaled = 2147483647.0;
    if (scaled < -2147483647.0) scaled = -2147483647.0;
    const SInt32 t = SInt32(scaled);
    div_to_a(t / 1000, t < 0 ? -(t % 1000) : t % 1000, 3, out);
    if (t < 0 && t > -1000) {
        // The whole part is 0 and carries no sign: put it in front.
        std::memmove(out + 2, out + 1, out[0] < 255 ? out[0] : 254);
        out[1] = '-';
        out[0] = UInt8(out[0] < 255 ? out[0] + 1 : 255);
    }
    if (trim) {
        while (out[0] && out[out[0]] == '0')
            --out[0];
        if (out[0] && out[out[0]] == '.') --out[0];
    }
    return out;
}

SInt32 RoundToNPlaces(SInt32 value, SInt16 n) {
    if (n < 0 || n > 9 || value <= 0) return value;
    SInt64 limit = 1;
    for (SInt16 i = 0; i < n; ++i)
        limit *= 10;
    if (value < limit) return value;
    SInt64 x = value, unit = 1;
    while (x >= limit) {
        x /= 10;
        unit *= 10;
    }
    const SInt64 remainder = SInt64(value) - x * unit;
    if (remainder * 2 >= unit) ++x;
    const SInt64 rounded = x * unit;
    return rounded > 0x7FFFFFFF ? 0x7FFFFFFF : SInt32(rounded);
}

StringPtr FixedToString(Fixed value, StringPtr out, SInt16 places) {
    out[0] = 0;
    if (value < 0) AppendChar(out, '-');
    const UInt64 magnitude = Magnitude(value);
    UInt64 whole = magnitude >> 16;
    SInt32 f = SInt32((magnitude & 0xFFFF) * 100000 / 65536);
    f = RoundToNPlaces(f, places);
    if (f > 99999) {
        ++whole;
        f -= 100000;
    }
    char buffer[24];
    Append(out, DigitsOf(whole, buffer));
    AppendChar(out, '.');
    char fraction[12];
    std::snprintf(fraction, sizeof fraction, "%05d", int(f));
    size_t keep = 5;
    while (keep > 1 && fraction[keep - 1] == '0')
        --keep;
    Append(out, std::string_view(fraction, keep));
    return out;
}

Fixed FixedToNum(ConstStringPtr text, Fixed* result) {
    const std::string_view s = PStringView(text);
    const bool negative = s.find('-') != std::string_view::npos;
    const size_t dot = s.find('.');
    const SInt64 whole = StringToNum(s.substr(0, dot));
    SInt64 value = (whole < 0 ? -whole : whole) * 65536;
    if (dot != std::string_view::npos) {
        // The fraction's digits as a decimal fraction; reading them as a double keeps long fractions exact
        // enough where a 32-bit integer of the digits would overflow.
        double fraction = 0, scale = 1;
        for (size_t i = dot + 1; i < s.size() && IsDigit(s[i]); ++i) {
            scale /= 10;
            fraction += (s[i] - '0') * scale;
        }
        value += SInt64(fraction * 65536.0);
    }
    if (negative) value = -value;
    const Fixed fixed = Fixed(UInt32(UInt64(value)));
    if (result) *result = fixed;
    return fixed;
}

void AddHexToString(SInt16 n, StringPtr string) {
    static constexpr char kHex[] = "0123456789abcdef";
    AppendChar(string, n >= 0 && n <= 15 ? kHex[n] : '0');
}

SInt16 GetHexValue(UInt8 c) {
    if (c >= '0' && c <= '9') return SInt16(c - '0');
    if (c >= 'a' && c <= 'f') return SInt16(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return SInt16(c - 'A' + 10);
    return 0;
}

SInt32 TextToWholeNumber(const char* text) {
    if (!text) return 0;
    SInt32 value = 0;
    for (const char* p = text; IsDigit(*p); ++p) {
        if (value > 107374182) return 0x7FFFFFFF;
        value = value * 10 + (*p - '0');
    }
    return value;
}

double TextToRealNumber(const char* text, SInt32 length) {
    if (!text || length <= 0) return 0;
    SInt32 i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') negative = text[i++] == '-';
    double value = 0, scale = 0;
    for (; i < length; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

UInt16 HexToColor(const char* text) {
    if (!text) return 0;
    const SInt16 high = GetHexValue(UInt8(text[0]));
    const SInt16 low = text[0] ? GetHexValue(UInt8(text[1])) : 0;
    return UInt16(((high << 4) | low) * 257);
}
