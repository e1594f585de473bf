// Mac Roman <-> Unicode through one 128-entry table for the upper half; the lower half is ASCII.
#include "platform/text_encoding.h"

#include <array>

namespace {

constexpr char16_t kUpperHalf[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // F8
};

// Unicode characters that look the same as a Mac Roman one and commonly stand in for it.
struct Alias {
    char32_t unicode;
    UInt8 macRoman;
};
constexpr Alias kAliases[] = {
    {0x2126, 0xBD}, // ohm sign -> capital omega
    {0x03BC, 0xB5}, // Greek small mu -> micro sign
    {0x0394, 0xC6}, // Greek capital delta -> increment
};

struct ReverseTable {
    // Sorted by Unicode value for binary search; 128 table entries plus the aliases.
    std::array<Alias, 128 + std::size(kAliases)> entries{};
    constexpr ReverseTable() {
        size_t n = 0;
        for (int i = 0; i < 128; ++i)
            entries[n++] = {kUpperHalf[i], UInt8(0x80 + i)};
        for (const Alias& a : kAliases)
            entries[n++] = a;
        for (size_t i = 1; i < n; ++i)
            for (size_t j = i; j > 0 && entries[j - 1].unicode > entries[j].unicode; --j) {
                Alias t = entries[j];
                entries[j] = entries[j - 1];
                entries[j - 1] = t;
            }
    }
};
constexpr ReverseTable kReverse;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i]; returns the number of bytes used, 0 for an invalid sequence.
size_t DecodeUtf8(std::string_view s, size_t i, char32_t* out) {
    auto byte = [&](size_t k) { return UInt8(s[k]); };
    UInt8 b0 = byte(i);
    if (b0 < 0x80) {
        *out = b0;
        return 1;
    }
    size_t len;
    char32_t c;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        UInt8 b = byte(i + k);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    *out = c;
    return len;
}

} // namespace

char16_t MacRomanToUnicode(UInt8 c) {
    return c < 0x80 ? char16_t(c) : kUpperHalf[c - 0x80];
}

bool UnicodeToMacRomanExact(char32_t c, UInt8* out) {
    if (c < 0x80) {
        *out = UInt8(c);
        return true;
    }
    size_t lo = 0, hi = kReverse.entries.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (kReverse.entries[mid].unicode < c)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < kReverse.entries.size() && kReverse.entries[lo].unicode == c) {
        *out = kReverse.entries[lo].macRoman;
        return true;
    }
    *out = '?';
    return false;
}

UInt8 UnicodeToMacRoman(char32_t c) {
    UInt8 out;
    UnicodeToMacRomanExact(c, &out);
    return out;
}

std::string MacRomanToUtf8(std::string_view macRoman) {
    std::string out;
    out.reserve(macRoman.size());
    for (char ch : macRoman)
        AppendUtf8(out, MacRomanToUnicode(UInt8(ch)));
    return out;
}

std::u16string MacRomanToUtf16(std::string_view macRoman) {
    std::u16string out(macRoman.size(), u'\0');
    for (size_t i = 0; i < macRoman.size(); ++i)
        out[i] = MacRomanToUnicode(UInt8(macRoman[i]));
    return out;
}

std::string Utf8ToMacRoman(std::string_view utf8, size_t* unheld) {
    std::string out;
    out.reserve(utf8.size());
    size_t replaced = 0;
    for (size_t i = 0; i < utf8.size();) {
        char32_t c;
        size_t n = DecodeUtf8(utf8, i, &c);
        UInt8 held = '?';
        if (n == 0) {
            n = 1;
            ++replaced;
        } else if (!UnicodeToMacRomanExact(c, &held)) {
            ++replaced;
        }
        out += char(held);
        i += n;
    }
    if (unheld) *unheld = replaced;
    return out;
}

std::string Utf16ToMacRoman(std::u16string_view utf16, size_t* unheld) {
    std::string out;
    out.reserve(utf16.size());
    size_t replaced = 0;
    for (size_t i = 0; i < utf16.size(); ++i) {
        char16_t u = utf16[i];
        UInt8 held = '?';
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            ++i; // a character beyond the basic plane: Mac Roman has none of them
            ++replaced;
        } else if ((u >= 0xD800 && u <= 0xDFFF) || !UnicodeToMacRomanExact(u, &held)) {
            ++replaced;
        }
        out += char(held);
    }
    if (unheld) *unheld = replaced;
    return out;
}

bool Utf8FitsMacRoman(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        char32_t c;
        size_t n = DecodeUtf8(utf8, i, &c);
        UInt8 ignored;
        if (n == 0 || !UnicodeToMacRomanExact(c, &ignored)) return false;
        i += n;
    }
    return true;
}
