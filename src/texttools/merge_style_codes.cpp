// The style-code reader of merge texts: a small three-state scanner over the codes at the text's start.
#include "texttools/merge_style_codes.h"

#include "foundation/keyword_dictionary.h"
#include "foundation/number_text.h"
#include "foundation/program_colors.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

enum class State { kBetweenCodes, kAfterBackslash, kArgument };

// The face letters outside font mode, their face bits and attribute bits.
struct FaceCode {
    char letter;
    UInt8 face;
    UInt16 bit;
};
constexpr FaceCode kFaceCodes[] = {
    {'b', 1, kMergeBold},    {'i', 2, kMergeItalic},     {'u', 4, kMergeUnderline}, {'s', 8, kMergeStrikeOut},
    {'d', 16, kMergeShadow}, {'c', 32, kMergeCondensed}, {'e', 64, kMergeExtended},
};

// The letters of font mode and their attribute bits.
UInt16 FontModeBit(char letter) {
    switch (letter) {
    case 'n':
        return kMergeFont;
    case 's':
        return kMergeSize;
    case 'c':
        return kMergeColor;
    case 'r':
        return kMergeRed;
    case 'g':
        return kMergeGreen;
    case 'b':
        return kMergeBlue;
    default:
        return 0;
    }
}

const FaceCode* FaceCodeOf(char letter) {
    for (const FaceCode& code : kFaceCodes)
        if (code.letter == letter) return &code;
    return nullptr;
}

bool IsDigit(UInt8 c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(UInt8 c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A quoted colour: "$" and six hexadecimal digits, else a colour name.
bool QuotedColor(const std::string& value, RGBColor* rgb) {
    if (value.size() == 7 && value[0] == '$') {
        for (size_t i = 1; i < 7; ++i)
            if (!IsHexDigit(UInt8(value[i]))) return false;
        *rgb = RGBColor{HexToColor(value.c_str() + 1), HexToColor(value.c_str() + 3),
                        HexToColor(value.c_str() + 5)};
        return true;
    }
    Str255 name;
    name[0] = UInt8(value.size());
    std::memcpy(name + 1, value.data(), value.size());
    const SInt16 number = FindColorByName(name, 0, false);
    return number >= 0 && GetOVColor(number, rgb, 0);
}

struct Scanner {
    WETextStyle* style;
    UInt16 interest;
    UInt16 mask = 0;
    SInt16 foundStart = 0, foundEnd = 0;

    // One code takes effect; false when its letter means nothing here (the text then starts at it).
    bool Apply(bool fontMode, char letter, bool hasNumber, SInt32 number, const std::string* quoted,
               SInt16 start, SInt16 end) {
        UInt16 bit = 0;
        if (!fontMode) {
            const FaceCode* face = FaceCodeOf(letter);
            if (!face) return false;
            bit = face->bit;
            if (style)
                style->face = UInt8(number != 0 ? style->face | face->face : style->face & ~face->face);
        } else {
            bit = FontModeBit(letter);
            if (bit == 0) return false;
            if (bit == kMergeFont) {
                SInt16 family = SInt16(std::min<SInt32>(number, 32767));
                if (quoted) {
                    Str255 name;
                    name[0] = UInt8(quoted->size());
                    std::memcpy(name + 1, quoted->data(), quoted->size());
                    family = FindFontFamilyByName(name, false);
                }
                if (style && family >= 0 && (quoted || hasNumber)) style->font = family;
            } else if (bit == kMergeSize) {
                if (style && hasNumber) style->size = SInt16(std::min<SInt32>(number, 32767));
            } else if (bit == kMergeColor) {
                RGBColor rgb{};
                const bool known = quoted
                                       ? QuotedColor(*quoted, &rgb)
                                       : number < kProgramColorCount && GetOVColor(SInt16(number), &rgb, 0);
                if (style && known) style->color = rgb;
            } else if (style) {
                UInt16& component = bit == kMergeRed     ? style->color.red
                                    : bit == kMergeGreen ? style->color.green
                                                         : style->color.blue;
                component = UInt16(std::min<SInt32>(number, 65535));
            }
        }
        mask |= bit;
        if (bit & interest) {
            foundStart = start;
            foundEnd = end;
        }
        return true;
    }
};

} // namespace

UInt16 GetTextMergeAttributes(ConstStr255Param text, StringPtr textOut, WETextStyle* style, UInt16 interest,
                              SInt16* codeStart, SInt16* codeEnd) {
    Scanner scan{style, interest};
    const SInt16 length = text ? text[0] : 0;
    // 1-based position of the first character of the text proper; length + 1 when the codes fill it all.
    SInt16 textStart = SInt16(length + 1);
    State state = State::kBetweenCodes;
    bool fontMode = false;
    char letter = 0;
    SInt16 letterAt = 0, start = 0;
    SInt32 number = 0;
    bool hasNumber = false;

    for (SInt16 i = 1; i <= length; ++i) {
        const UInt8 c = text[i];
        if (state == State::kBetweenCodes) {
            if (c != '\\') {
                textStart = i;
                break;
            }
            start = i;
            state = State::kAfterBackslash;
            continue;
        }
        if (state == State::kAfterBackslash) {
            if (c == '\\') {
                textStart = SInt16(i + 1);
                break;
            }
            if (c == 'f') {
                fontMode = true;
                letter = 0;
            } else if (c >= 'a' && c <= 'z') {
                if (fontMode ? FontModeBit(char(c)) == 0 : FaceCodeOf(char(c)) == nullptr) {
                    textStart = i;
                    break;
                }
                letter = char(c);
            } else {
                continue; // anything else between a backslash and its letter is passed over
            }
            letterAt = i;
            number = 0;
            hasNumber = false;
            state = State::kArgument;
            continue;
        }
        // Reading the argument.
        if (IsDigit(c)) {
            // Kept within 32 bits; a size or a component takes the low bits it can hold.
            if (number < 100000000) number = number * 10 + (c - '0');
            hasNumber = true;
            continue;
        }
        if (fontMode && !hasNumber && c >= 'a' && c <= 'z') {
            letter = char(c);
            letterAt = i;
            continue;
        }
        if (fontMode && !hasNumber && c == '"') {
            SInt16 close = SInt16(i + 1);
            while (close <= length && text[close] != '"')
                ++close;
            const std::string quoted(reinterpret_cast<const char*>(text + i + 1), size_t(close - i - 1));
            const SInt16 end = close <= length ? close : length;
            if (!scan.Apply(fontMode, letter, false, 0, &quoted, start, end)) {
                textStart = letterAt;
                break;
            }
            i = end;
            state = State::kBetweenCodes;
            continue;
        }
        const bool blank = c == ' ';
        if (!scan.Apply(fontMode, letter, hasNumber, number, nullptr, start, SInt16(blank ? i : i - 1))) {
            textStart = letterAt;
            break;
        }
        if (c == '\\') {
            start = i;
            state = State::kAfterBackslash;
        } else if (blank) {
            state = State::kBetweenCodes;
        } else {
            textStart = i;
            break;
        }
    }
    // Codes that run to the end of the text take effect there.
    if (textStart == length + 1 && state == State::kArgument &&
        !scan.Apply(fontMode, letter, hasNumber, number, nullptr, start, length))
        textStart = letterAt;

    if (textOut) {
        const SInt16 count = SInt16(length + 1 - textStart);
        textOut[0] = UInt8(count > 0 ? count : 0);
        if (count > 0) std::memmove(textOut + 1, text + textStart, size_t(count));
    }
    if (codeStart) *codeStart = scan.foundStart;
    if (codeEnd) *codeEnd = scan.foundEnd;
    return scan.mask;
}
