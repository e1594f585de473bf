// Text import: a file's bytes become the script's plain Mac Roman text with CR line ends, whatever
// encoding and line ends the file was written with.
#include "foundation/text_import.h"

#include "foundation/app_paths.h"
#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "foundation/file_types.h"
#include "foundation/script_file_checks.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "shell/script_documents.h"
#include "textengine/rtf_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

enum class TextEncodingGuess : UInt8 { MacRoman, Utf8, Utf16LE, Utf16BE };

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF)
// and hold at least one multibyte sequence: plain ASCII stays as it is either way.
bool IsMultibyteUtf8(std::string_view text) {
    bool multibyte = false;
    for (size_t i = 0; i < text.size();) {
        const UInt8 lead = UInt8(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t extra = 0;
        UInt32 code = 0;
        if (lead >= 0xC2 && lead <= 0xDF)
            extra = 1, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF)
            extra = 2, code = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4)
            extra = 3, code = lead & 0x07;
        else
            return false;
        if (i + extra >= text.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            const UInt8 next = UInt8(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const UInt32 smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        multibyte = true;
        i += extra + 1;
    }
    return multibyte;
}

bool IsWellFormedUtf8(std::string_view text) {
    return IsMultibyteUtf8(text) ||
           std::none_of(text.begin(), text.end(), [](char c) { return UInt8(c) >= 0x80; });
}

// The 16-bit units of UTF-16 bytes in the given order; an odd last byte is not a unit.
char16_t Utf16UnitAt(std::string_view bytes, size_t unit, bool littleEndian) {
    const UInt8 first = UInt8(bytes[2 * unit]), second = UInt8(bytes[2 * unit + 1]);
    return littleEndian ? char16_t(first | (second << 8)) : char16_t((first << 8) | second);
}

// Whether the bytes are well-formed UTF-16 in that order: an even length, and every surrogate in a pair.
bool IsWellFormedUtf16(std::string_view bytes, bool littleEndian) {
    if (bytes.size() % 2 != 0) return false;
    const size_t units = bytes.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = Utf16UnitAt(bytes, i, littleEndian);
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == units) return false;
            const char16_t next = Utf16UnitAt(bytes, ++i, littleEndian);
            if (next < 0xDC00 || next > 0xDFFF) return false;
        }
    }
    return true;
}

// The byte order of UTF-16 written without a mark, told by its zero bytes: text in the Latin range has a
// zero in the high byte of at least half the units, on the same side every time. Nothing (MacRoman) when the
// zeros show no such pattern, as in a Mac Roman file with a stray zero byte.
TextEncodingGuess GuessUnmarkedUtf16(std::string_view text) {
    if (text.size() % 2 != 0) return TextEncodingGuess::MacRoman;
    size_t evenZeros = 0, oddZeros = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == 0) ++((i & 1) ? oddZeros : evenZeros);
    const size_t units = text.size() / 2;
    const auto dominant = [units](size_t zeros, size_t others) {
        return zeros * 2 >= units && others * 8 <= zeros;
    };
    if (dominant(oddZeros, evenZeros) && IsWellFormedUtf16(text, true)) return TextEncodingGuess::Utf16LE;
    if (dominant(evenZeros, oddZeros) && IsWellFormedUtf16(text, false)) return TextEncodingGuess::Utf16BE;
    return TextEncodingGuess::MacRoman;
}

// How the bytes are read, first match wins:
//
//   content                                          read as
//   -----------------------------------------------  ----------------------------------------------
//   FF FE ..., well-formed UTF-16 after it           UTF-16, little-endian; the mark is dropped
//   FE FF ..., well-formed UTF-16 after it           UTF-16, big-endian; the mark is dropped
//   EF BB BF ..., well-formed UTF-8 after it         UTF-8; the mark is dropped
//   a zero byte anywhere before the last byte        UTF-16 without a mark when the length is even, the
//                                                    zeros stand on one side of most units (little-
//                                                    endian when at odd offsets, ASCII "A\0") and the
//                                                    units are well-formed; else Mac Roman as it is
//   valid UTF-8 with at least one multibyte sequence UTF-8
//   anything else (ASCII, or high bytes that do not  Mac Roman, kept as it is
//   form UTF-8)
//
// A Mac Roman text whose high characters happen to form valid UTF-8 is rare (it takes pairs such as
// "√ß"); a single Mac Roman byte of 0xFE or 0xFF at the start is not taken for a mark. Bytes that are not
// what they first look like are kept as Mac Roman rather than decoded into question marks.
TextEncodingGuess GuessEncoding(std::string_view text, size_t* markLength) {
    *markLength = 0;
    const auto startsWith = [&](std::string_view mark) { return text.substr(0, mark.size()) == mark; };
    if (startsWith("\xFF\xFE") && IsWellFormedUtf16(text.substr(2), true))
        return *markLength = 2, TextEncodingGuess::Utf16LE;
    if (startsWith("\xFE\xFF") && IsWellFormedUtf16(text.substr(2), false))
        return *markLength = 2, TextEncodingGuess::Utf16BE;
    if (startsWith("\xEF\xBB\xBF") && IsWellFormedUtf8(text.substr(3)))
        return *markLength = 3, TextEncodingGuess::Utf8;
    if (text.size() > 1 && std::memchr(text.data(), 0, text.size() - 1)) return GuessUnmarkedUtf16(text);
    return IsMultibyteUtf8(text) ? TextEncodingGuess::Utf8 : TextEncodingGuess::MacRoman;
}

std::string Utf16BytesToMacRoman(std::string_view bytes, bool littleEndian, size_t* unheld) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = Utf16UnitAt(bytes, i, littleEndian);
    return Utf16ToMacRoman(units, unheld);
}

// The line ends of the decoded text, told by its first line end. A text without one takes line feeds,
// unless it is Mac Roman, whose own line end is the CR.
TextLineEnds FirstLineEnds(std::string_view text, TextFileEncoding encoding) {
    const size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return encoding == TextFileEncoding::MacRoman ? TextLineEnds::CR : TextLineEnds::LF;
    if (text[at] == '\n') return TextLineEnds::LF;
    return at + 1 < text.size() && text[at + 1] == '\n' ? TextLineEnds::CRLF : TextLineEnds::CR;
}

// The encoding a save writes back: what the bytes were read as, except that text of ASCII alone is
// UTF-8 (what it also is), so that characters typed into it later are written as other programs expect.
TextFileEncoding EncodingToWriteBack(TextEncodingGuess guess, std::string_view bytes) {
    switch (guess) {
    case TextEncodingGuess::Utf8:
        return TextFileEncoding::Utf8;
    case TextEncodingGuess::Utf16LE:
        return TextFileEncoding::Utf16LE;
    case TextEncodingGuess::Utf16BE:
        return TextFileEncoding::Utf16BE;
    case TextEncodingGuess::MacRoman:
        break;
    }
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return UInt8(c) < 0x80 && c != 0; })
               ? TextFileEncoding::Utf8
               : TextFileEncoding::MacRoman;
}

// CR-LF and lone LF become CR, in place; the new length. Sets gIsDos when a CR-LF pair was folded.
SInt32 FoldLineEnds(char* text, SInt32 length) {
    SInt32 out = 0;
    bool foldedPair = false;
    for (SInt32 i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < length && text[i + 1] == '\n') {
            foldedPair = true;
            ++i;
        } else if (c == '\n') {
            c = '\r';
        }
        text[out++] = c;
    }
    if (foldedPair) gIsDos = 1;
    return out;
}

// Whether the bytes open as RTF does; a file named as RTF that does not is read as the text it is.
bool StartsAsRtf(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty() &&
           (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n'))
        text.remove_prefix(1);
    return text.substr(0, 5) == "{\\rtf";
}

bool HasEnding(ConstStr255Param name, const char* ending) {
    Str255 pending;
    SetPString(pending, ending);
    return IsFileType(pending, name);
}

} // namespace

void ProcessText(Ptr buffer, SInt32* length, ConstStr255Param fileName, Handle* styleScrap) {
    ProcessText(buffer, length, fileName, styleScrap, nullptr);
}

void ProcessText(Ptr buffer, SInt32* length, ConstStr255Param fileName, Handle* styleScrap,
                 TextFileFormat* format) {
    if (styleScrap) *styleScrap = nullptr;
    if (format) *format = kNewScriptFormat;
    if (!buffer || !length || *length <= 0) return;
    const bool named = fileName && fileName[0] > 0;
    if (named && (HasEnding(fileName, ".rtf") || HasEnding(fileName, ".wri")) &&
        StartsAsRtf(std::string_view(buffer, size_t(*length)))) {
        const std::string original(buffer, size_t(*length));
        Handle styles = nullptr;
        const SInt16 status = ProcessRTF(buffer, length, &styles);
        const std::string quotedName = "\"" + std::string(PStringView(fileName)) + "\"";
        if (status == kRTFDone || *length > 0) {
            if (status != kRTFDone)
                DoErrorMessageText(quotedName +
                                   " is damaged: only the part of it that could be read was opened.");
            if (styleScrap)
                *styleScrap = styles;
            else if (styles)
                DisposeHandle(styles);
            if (format) *format = {TextFileEncoding::Rtf, false, TextLineEnds::CR, 0};
            return;
        }
        // RTF that could not be read at all comes in as the text it is, rather than as an empty script
        // that a save would write over the file.
        DoErrorMessageText(quotedName + " could not be read as RTF and was opened as plain text.");
        if (styles) DisposeHandle(styles);
        std::memcpy(buffer, original.data(), original.size());
        *length = SInt32(original.size());
    } else if (named && (HasEnding(fileName, ".doc") || HasEnding(fileName, ".cwk"))) {
        ProcessDOC(buffer, length);
        if (format) *format = {TextFileEncoding::MacRoman, false, TextLineEnds::CR, 0};
        return;
    }
    size_t markLength = 0;
    size_t unheld = 0;
    const std::string_view bytes(buffer, size_t(*length));
    const TextEncodingGuess encoding = GuessEncoding(bytes, &markLength);
    const TextFileEncoding writeBack = EncodingToWriteBack(encoding, bytes);
    if (encoding != TextEncodingGuess::MacRoman) {
        const std::string_view body = bytes.substr(markLength);
        const std::string converted =
            encoding == TextEncodingGuess::Utf8
                ? Utf8ToMacRoman(body, &unheld)
                : Utf16BytesToMacRoman(body, encoding == TextEncodingGuess::Utf16LE, &unheld);
        // Every encoding read here takes at least one byte per character, so the text only shrinks.
        std::memcpy(buffer, converted.data(), converted.size());
        *length = SInt32(converted.size());
    }
    if (format)
        *format = {writeBack, markLength > 0,
                   FirstLineEnds(std::string_view(buffer, size_t(*length)), writeBack), unheld};
    // Line ends are folded after decoding, so that the bytes of a UTF-16 character are never taken
    // for a CR or an LF.
    *length = FoldLineEnds(buffer, *length);
}

bool LooksLikeText(std::span<const UInt8> start) {
    std::string_view bytes(reinterpret_cast<const char*>(start.data()), start.size());
    size_t markLength = 0;
    // A start cut in the middle of a unit or of a surrogate pair is still UTF-16.
    for (size_t cut = 0; cut < 4 && cut < bytes.size(); ++cut) {
        const TextEncodingGuess guess = GuessEncoding(bytes.substr(0, bytes.size() - cut), &markLength);
        if (guess == TextEncodingGuess::Utf16LE || guess == TextEncodingGuess::Utf16BE) return true;
    }
    size_t controls = 0;
    for (char c : bytes) {
        const UInt8 b = UInt8(c);
        // Tab, line feed, vertical tab, form feed, return, the old end-of-file mark and escape are met
        // in texts.
        if (b < 0x20 && !(b >= 9 && b <= 13) && b != 0x1A && b != 0x1B) ++controls;
    }
    // Random data has about one control byte in ten; a text with a stray one stays far below this.
    return controls <= bytes.size() / 32 + 1;
}

OSErr ReadWholeTextFile(const std::string& path, Handle* text, Handle* styles, bool* wasCut,
                        TextFileFormat* format) {
    *text = nullptr;
    if (format) *format = kNewScriptFormat;
    if (styles) *styles = nullptr;
    if (wasCut) *wasCut = false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return fnfErr;
    if (size == 0) return eofErr;
    // Only a script the program can hold is read at all.
    if (size > kMaxScriptFileBytes) return kScriptTooLargeErr;
    const size_t wanted = size_t(std::min<std::uintmax_t>(size, kMaxTextFileBytes));
    std::vector<UInt8> bytes;
    if (OSErr readError = ReadFileStart(path, wanted, bytes); readError != noErr) return readError;
    if (bytes.empty()) return eofErr;
    Handle handle = NewHandle(Size(bytes.size()));
    if (!handle) return memFullErr;
    std::memcpy(*handle, bytes.data(), bytes.size());
    bytes = {};

    Str255 macName;
    SetPString(macName, Utf8ToMacRoman(std::filesystem::path(path).filename().string()));
    SInt32 length = SInt32(GetHandleSize(handle));
    Handle runs = nullptr;
    TextFileFormat found;
    HLock(handle);
    ProcessText(*handle, &length, macName, &runs, &found);
    HUnlock(handle);
    if (found.unheldCharacters > 0)
        DoErrorMessageText("\"" + std::string(PStringView(macName)) + "\" holds " +
                           std::to_string(found.unheldCharacters) +
                           (found.unheldCharacters == 1 ? " character" : " characters") +
                           " this program cannot show; each came in as \"?\".");
    if (format) *format = found;
    SetHandleSize(handle, std::max<SInt32>(length, 0));
    *text = handle;
    if (styles)
        *styles = runs;
    else if (runs)
        DisposeHandle(runs);
    if (wasCut) *wasCut = size > std::uintmax_t(kMaxTextFileBytes);
    return noErr;
}

Handle GetAndProcessText(const std::string& path) {
    Handle text = nullptr;
    if (path.empty() || ReadWholeTextFile(path, &text, nullptr, nullptr) != noErr) return nullptr;
    return text;
}

Handle FindGetAndProcessText(ConstStr255Param name) {
    if (!name || name[0] == 0) return nullptr;
    static constexpr AppPathSlot kSearchOrder[] = {12, 8, 16, 14, 13, 20, 21, 22, 0, 4, 2, 1};
    const std::string given = MacRomanToUtf8(PStringView(name));
    std::string found;
    if (given.front() == '/' && std::filesystem::is_regular_file(given)) found = given;
    const auto findIn = [&](const std::string& fileName) {
        for (AppPathSlot slot : kSearchOrder) {
            const std::string folder = GetAppPathFolder(slot);
            std::error_code error;
            if (!folder.empty() && std::filesystem::is_regular_file(folder + fileName, error))
                return folder + fileName;
        }
        return std::string();
    };
    if (found.empty()) found = findIn(given);
    if (found.empty() && IsFileOfType(name, kTextFileTypes)) {
        SInt16 count = 0;
        GetThisFileTypeFileExt(kTextFileTypes, 0, &count);
        Str255 other;
        for (SInt16 i = 0; i < count && found.empty(); ++i) {
            CopyPString(name, other);
            ChangeExtension(other, GetThisFileTypeFileExt(kTextFileTypes, i, nullptr));
            found = findIn(MacRomanToUtf8(PStringView(other)));
        }
    }
    if (found.empty()) return nullptr;
    SetPString(gGlobalFindGetFilename, Utf8ToMacRoman(found).substr(0, 255));
    return GetAndProcessText(found);
}
