// A script's Mac Roman text as the bytes of a plain-text file: its line ends and encoding put back as
// the file had them.
#include "foundation/text_file_format.h"

#include "platform/text_encoding.h"

#include <string>

namespace {

std::string WithLineEnds(std::string_view text, TextLineEnds lineEnds) {
    if (lineEnds == TextLineEnds::CR) return std::string(text);
    std::string out;
    out.reserve(text.size() + (lineEnds == TextLineEnds::CRLF ? text.size() / 16 : 0));
    for (char c : text) {
        if (c != '\r') {
            out += c;
        } else if (lineEnds == TextLineEnds::LF) {
            out += '\n';
        } else {
            out += "\r\n";
        }
    }
    return out;
}

void AppendUtf16(std::vector<UInt8>& bytes, char16_t unit, bool littleEndian) {
    const UInt8 low = UInt8(unit & 0xFF), high = UInt8(unit >> 8);
    bytes.push_back(littleEndian ? low : high);
    bytes.push_back(littleEndian ? high : low);
}

} // namespace

std::vector<UInt8> EncodeTextForFile(std::string_view macRoman, const TextFileFormat& format) {
    const std::string text = WithLineEnds(macRoman, format.lineEnds);
    std::vector<UInt8> bytes;
    switch (format.encoding) {
    case TextFileEncoding::MacRoman:
    case TextFileEncoding::Rtf:
        bytes.assign(text.begin(), text.end());
        break;
    case TextFileEncoding::Utf8: {
        if (format.byteOrderMark) bytes = {0xEF, 0xBB, 0xBF};
        const std::string utf8 = MacRomanToUtf8(text);
        bytes.insert(bytes.end(), utf8.begin(), utf8.end());
        break;
    }
    case TextFileEncoding::Utf16LE:
    case TextFileEncoding::Utf16BE: {
        const bool littleEndian = format.encoding == TextFileEncoding::Utf16LE;
        bytes.reserve(2 * text.size() + 2);
        if (format.byteOrderMark) AppendUtf16(bytes, u'\uFEFF', littleEndian);
        for (char16_t unit : MacRomanToUtf16(text))
            AppendUtf16(bytes, unit, littleEndian);
        break;
    }
    }
    return bytes;
}
