// Text import: line ends and encodings of files written elsewhere become the script's Mac Roman text with
// CR line ends; high Mac Roman bytes are not mistaken for UTF-8.
#include "foundation/text_import.h"

#include "foundation/error_dialog.h"

#include "platform/memory.h"
#include "platform/pstring.h"
#include "shell/script_documents.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string Import(std::string bytes, const char* name = "talk.txt") {
    Str255 fileName;
    SetPString(fileName, name);
    SInt32 length = SInt32(bytes.size());
    Handle styles = reinterpret_cast<Handle>(1);
    ProcessText(bytes.data(), &length, fileName, &styles);
    EXPECT_EQ(styles, nullptr);
    return bytes.substr(0, size_t(length));
}

std::string Utf16(std::u16string_view text, bool littleEndian, bool mark) {
    std::string bytes;
    if (mark) bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text) {
        const char low = char(unit & 0xFF), high = char(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

struct ImportCase {
    const char* what;
    std::string bytes;
    std::string text; // Mac Roman
    bool dos;
};

TEST(TextImport, LineEndsAndEncodingsBecomeMacRomanWithCarriageReturns) {
    const ImportCase cases[] = {
        {"CRLF", "one\r\ntwo\r\n", "one\rtwo\r", true},
        {"LF", "one\ntwo\n", "one\rtwo\r", false},
        {"CR", "one\rtwo\r", "one\rtwo\r", false},
        {"mixed", "a\r\nb\nc\rd", "a\rb\rc\rd", true},
        {"lone CR before LF-less end", "a\r", "a\r", false},
        {"UTF-8 accents", "caf\xC3\xA9 na\xC3\xAFve\n", "caf\x8E na\x95ve\r", false},
        {"UTF-8 with mark", "\xEF\xBB\xBFhi\xE2\x80\xA6", "hi\xC9", false},
        {"UTF-8 outside Mac Roman", "\xE4\xB8\xAD!", "?!", false},
        {"UTF-16 LE with mark", Utf16(u"h\u00E9\r\nx", true, true), "h\x8E\rx", true},
        {"UTF-16 BE with mark", Utf16(u"h\u00E9\nx", false, true), "h\x8E\rx", false},
        {"UTF-16 LE without mark", Utf16(u"Hello\u00E9", true, false), "Hello\x8E", false},
        {"UTF-16 BE without mark", Utf16(u"Hello\u00E9", false, false), "Hello\x8E", false},
        // A UTF-16 character whose bytes are CR and LF is a character, not a line end.
        {"UTF-16 unit 0x0D0A", Utf16(u"a\u0D0Ab", false, true), "a?b", false},
        {"Mac Roman high bytes", "caf\x8E \xA5 \xD2quoted\xD3", "caf\x8E \xA5 \xD2quoted\xD3", false},
        {"Mac Roman starting with 0xFF", "\xFFlone", "\xFFlone", false},
        {"empty", "", "", false},
        // Bytes that only look like UTF-16 or UTF-8 at first stay the Mac Roman bytes they are.
        {"zero byte, odd length", std::string("abc\0def", 7), std::string("abc\0def", 7), false},
        {"zero byte, even length, no pattern", std::string("ab\0def", 6) + "gh", std::string("ab\0defgh", 8),
         false},
        {"UTF-16 mark, odd length", "\xFF\xFEh\0i", "\xFF\xFEh\0i", false},
        {"UTF-16 mark, lone surrogate", "\xFF\xFEh\0\x00\xD8", "\xFF\xFEh\0\x00\xD8", false},
        {"UTF-16 without mark, lone surrogate", std::string("h\0i\0\x00\xDC!\0", 8),
         std::string("h\0i\0\x00\xDC!\0", 8), false},
        {"UTF-8 mark before Mac Roman",
         "\xEF\xBB\xBF"
         "caf\x8E",
         "\xEF\xBB\xBF"
         "caf\x8E",
         false},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.what);
        gIsDos = 0;
        EXPECT_EQ(Import(c.bytes), c.text);
        EXPECT_EQ(gIsDos != 0, c.dos);
    }
}

TEST(TextImport, RtfThatCannotBeReadComesInAsItsTextRatherThanNothing) {
    std::string rtf = "{\\rtf1\\ansi Hello}\r\n";
    Str255 name;
    SetPString(name, "letter.RTF");
    SInt32 length = SInt32(rtf.size());
    Handle styles = nullptr;
    ProcessText(rtf.data(), &length, name, &styles);
    EXPECT_GT(length, 0);
    if (styles) DisposeHandle(styles);
}

TEST(TextImport, RtfFilesOpenStyledAndADamagedOneSaysSoOnce) {
    TempDir dir;
    SetErrorMessageRecording(true);
    ClearRecordedErrorMessages();
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
        SInt32 runs; // style elements; -1 for none
        size_t messages;
    };
    const Case cases[] = {
        {"styled.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\f0\\fs28 Hello \\b bold\\b0\\par\n}",
         "Hello bold\r", 3, 0},
        {"cut.rtf", "{\\rtf1\\ansi Hello {\\b bo", "Hello bo", 2, 1},
        // A file named as RTF that holds plain text keeps its lines.
        {"plain.rtf", "Line one\nLine two\n", "Line one\rLine two\r", -1, 0},
        {"broken.RTF", "{\\rtf1 {\\*\\unknown x}", "{\\rtf1 {\\*\\unknown x}", -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearRecordedErrorMessages();
        std::ofstream(dir.File(c.name), std::ios::binary) << c.bytes;
        Handle text = nullptr, styles = nullptr;
        ASSERT_EQ(ReadWholeTextFile(dir.File(c.name), &text, &styles, nullptr), noErr);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::string(*text, size_t(GetHandleSize(text))), c.text);
        EXPECT_EQ(styles ? SInt32((GetHandleSize(styles) - 2) / 20) : -1, c.runs);
        ASSERT_EQ(RecordedErrorMessages().size(), c.messages);
        if (c.messages) {
            EXPECT_NE(RecordedErrorMessages()[0].find(c.name), std::string::npos);
        }
        DisposeHandle(text);
        if (styles) DisposeHandle(styles);
    }
    SetErrorMessageRecording(false);
}

TEST(TextImport, CarriageReturnsAloneLeaveTheDosFlagAsItWas) {
    gIsDos = 1;
    EXPECT_EQ(Import("a\rb"), "a\rb");
    EXPECT_EQ(gIsDos, 1);
}

TEST(TextImport, WholeFileComesBackConvertedAndMissingOrEmptyFilesGiveNull) {
    TempDir dir;
    const std::string path = dir.File("notes.txt");
    std::ofstream(path, std::ios::binary) << Utf16(u"line one\r\nline two", true, true);
    std::ofstream(dir.File("empty.txt"), std::ios::binary);
    Handle text = GetAndProcessText(path);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(*text, size_t(GetHandleSize(text))), "line one\rline two");
    DisposeHandle(text);
    EXPECT_EQ(GetAndProcessText(dir.File("empty.txt")), nullptr);
    EXPECT_EQ(GetAndProcessText(dir.File("missing.txt")), nullptr);
}

TEST(TextImport, TextInEveryEncodingLooksLikeTextAndDataDoesNot) {
    std::string random;
    for (int i = 0; i < 4096; ++i)
        random += char((i * 2654435761u) >> 13);
    const std::string wide = Utf16(u"Good evening \U0001F600 and welcome\r\n", true, false);
    struct Case {
        const char* what;
        std::string bytes;
        bool text;
    };
    const Case cases[] = {
        {"Mac Roman with tabs, form feeds and a stray zero",
         std::string("One\tTwo\fThree \xA5\0 four\r\n", 23), true},
        {"UTF-8 with escapes and the old end mark", "caf\xC3\xA9 \x1B[1m bold\x1A", true},
        {"UTF-16 without a mark, cut inside a surrogate pair", wide.substr(0, 29), true},
        {"UTF-16 big-endian with a mark, cut after an odd byte",
         Utf16(u"Hello there", false, true).substr(0, 9), true},
        {"nothing", "", true},
        {"random data", random, false},
        {"a program's start",
         std::string("\x7F"
                     "ELF\2\1\1\0\0\0\0\0\0\0\0\0\3\0>\0\1\0\0\0",
                     24),
         false},
        {"zeros", std::string(512, '\0'), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LooksLikeText({reinterpret_cast<const UInt8*>(c.bytes.data()), c.bytes.size()}), c.text)
            << c.what;
}

} // namespace
