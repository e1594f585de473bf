// How a plain-text script lies on disk (encoding, byte-order mark, line ends), so that it is written back
// the way it came; and the bytes a script's Mac Roman text becomes in that form.
#pragma once

#include "platform/types.h"

#include <string_view>
#include <vector>

enum class TextFileEncoding : UInt8 { MacRoman, Utf8, Utf16LE, Utf16BE, Rtf };
enum class TextLineEnds : UInt8 { CR, LF, CRLF };

struct TextFileFormat {
    TextFileEncoding encoding = TextFileEncoding::Utf8;
    bool byteOrderMark = false;
    TextLineEnds lineEnds = TextLineEnds::LF;
    // How many characters of the file Mac Roman cannot hold: they came in as '?'.
    size_t unheldCharacters = 0;
};

// What a new script is written as: UTF-8 without a mark, with line feeds.
inline constexpr TextFileFormat kNewScriptFormat{};

// The bytes of Mac Roman text with CR line ends in the given form (not RTF: that takes the styles too).
std::vector<UInt8> EncodeTextForFile(std::string_view macRoman, const TextFileFormat& format);
