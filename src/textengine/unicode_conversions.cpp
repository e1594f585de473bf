// Conversions of text blocks and handles between Mac Roman and Unicode.
#include "textengine/unicode_conversions.h"

#include "platform/memory.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <cstring>
#include <string>

UInt16* MyCreateUnicodeFromText(Boolean isUnicode, SInt32 length, void* text) {
    auto* units = static_cast<UInt16*>(text);
    if (isUnicode) {
        units[0] = UInt16(length);
        return units;
    }
    auto* block = reinterpret_cast<UInt16*>(NewPtr(2 * Size(length) + 2));
    if (!block) return nullptr;
    block[0] = UInt16(length);
    const auto* bytes = static_cast<const UInt8*>(text);
    for (SInt32 i = 0; i < length; i++)
        block[i + 1] = MacRomanToUnicode(bytes[i]);
    return block;
}

// Unicode's line and paragraph separators end a line like a return, which is what they become; Mac Roman
// has no character of its own for them.
static bool IsLineSeparator(char32_t c) {
    return c == 0x2028 || c == 0x2029;
}

static std::string MacRomanOfUtf16(const UInt16* units, size_t count) {
    if (count > 0 && units[0] == 0xFEFF) {
        units++;
        count--;
    }
    std::u16string text(reinterpret_cast<const char16_t*>(units), count);
    std::replace_if(text.begin(), text.end(), IsLineSeparator, u'\r');
    return Utf16ToMacRoman(text);
}

static Handle HandleOf(const std::string& bytes) {
    if (bytes.empty()) return nullptr;
    Handle h = NewHandle(Size(bytes.size()));
    if (h) std::memcpy(*h, bytes.data(), bytes.size());
    return h;
}

Ptr MyCreateTextFromUnicode(const UInt16* text, SInt32 byteLength, SInt32* outLength) {
    *outLength = 0;
    Ptr block = NewPtr(Size(byteLength / 2));
    if (!block) return nullptr;
    const std::string converted = MacRomanOfUtf16(text, size_t(byteLength / 2));
    std::memcpy(block, converted.data(), converted.size());
    *outLength = SInt32(converted.size());
    return block;
}

Handle ChangeUTF16ToMacRoman(Handle utf16) {
    if (!utf16 || !*utf16) return nullptr;
    return HandleOf(
        MacRomanOfUtf16(reinterpret_cast<const UInt16*>(*utf16), size_t(GetHandleSize(utf16)) / 2));
}

Handle ChangeUTF8ToMacRoman(Handle utf8) {
    if (!utf8 || !*utf8) return nullptr;
    std::string_view text(*utf8, size_t(GetHandleSize(utf8)));
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::string lines;
    lines.reserve(text.size());
    for (size_t at = 0; at < text.size(); at++) {
        const std::string_view rest = text.substr(at, 3);
        if (rest == "\xE2\x80\xA8" || rest == "\xE2\x80\xA9") {
            lines += '\r';
            at += 2;
        } else {
            lines += text[at];
        }
    }
    return HandleOf(Utf8ToMacRoman(lines));
}
