// Plain-text scripts written back as they came: files made by iconv in every encoding and line end are
// read and written again byte for byte, and characters Mac Roman cannot hold are reported once.
#include "foundation/text_file_format.h"
#include "foundation/text_import.h"

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "support/iconv.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// The same script in UTF-8 (line feeds) and in Mac Roman (CRs).
const std::string kUtf8Script = "Caf\xC3\xA9 na\xC3\xAFve\n\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC"
                                "5 \xCE\xA9mega\n";
const std::string kMacRomanScript = "Caf\x8E na\x95ve\r\xD2quoted\xD3 \xDB"
                                    "5 \xBDmega\r";

struct Written {
    std::string text; // Mac Roman
    TextFileFormat format;
    size_t messages = 0;
};

Written ReadBack(const std::string& path) {
    ClearRecordedErrorMessages();
    Written read;
    Handle text = nullptr;
    EXPECT_EQ(ReadWholeTextFile(path, &text, nullptr, nullptr, &read.format), noErr);
    if (text) {
        read.text.assign(*text, size_t(GetHandleSize(text)));
        DisposeHandle(text);
    }
    read.messages = RecordedErrorMessages().size();
    return read;
}

std::string Encoded(const std::string& macRoman, const TextFileFormat& format) {
    const std::vector<UInt8> bytes = EncodeTextForFile(macRoman, format);
    return std::string(bytes.begin(), bytes.end());
}

class TextExport : public ::testing::Test {
  protected:
    void SetUp() override { SetErrorMessageRecording(true); }
    void TearDown() override { SetErrorMessageRecording(false); }
    TempDir dir;
};

TEST_F(TextExport, FilesInEveryEncodingAndLineEndAreWrittenBackByteForByte) {
    struct Case {
        const char* iconvName;
        const char* mark;
        const char* lineEnd;
        TextFileEncoding encoding;
        TextLineEnds lineEnds;
    };
    using E = TextFileEncoding;
    using L = TextLineEnds;
    const Case cases[] = {
        {"UTF-8", "", "\n", E::Utf8, L::LF},
        {"UTF-8", "\xEF\xBB\xBF", "\r\n", E::Utf8, L::CRLF},
        {"UTF-8", "", "\r", E::Utf8, L::CR},
        {"UTF-16LE", "\xFF\xFE", "\r\n", E::Utf16LE, L::CRLF},
        {"UTF-16BE", "\xFE\xFF", "\n", E::Utf16BE, L::LF},
        {"UTF-16LE", "", "\n", E::Utf16LE, L::LF},
        {"UTF-16BE", "", "\r", E::Utf16BE, L::CR},
        {"MACINTOSH", "", "\r", E::MacRoman, L::CR},
        {"MACINTOSH", "", "\r\n", E::MacRoman, L::CRLF},
        {"MACINTOSH", "", "\n", E::MacRoman, L::LF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.iconvName) + (*c.mark ? " with mark" : "") + " line end " +
                     std::to_string(int(c.lineEnds)));
        const std::string body = Iconv(WithLineEnds(kUtf8Script, c.lineEnd), "UTF-8", c.iconvName);
        ASSERT_FALSE(body.empty());
        const std::string file = c.mark + body;
        std::ofstream(dir.File("talk.txt"), std::ios::binary) << file;

        const Written read = ReadBack(dir.File("talk.txt"));
        EXPECT_EQ(read.text, kMacRomanScript);
        EXPECT_EQ(read.format.encoding, c.encoding);
        EXPECT_EQ(read.format.byteOrderMark, *c.mark != 0);
        EXPECT_EQ(read.format.lineEnds, c.lineEnds);
        EXPECT_EQ(read.messages, 0u);
        EXPECT_EQ(Encoded(read.text, read.format), file);
    }
}

TEST_F(TextExport, NewScriptsAreUtf8WithLineFeedsAndAsciiFilesStayReadableAsUtf8) {
    EXPECT_EQ(Encoded(kMacRomanScript, kNewScriptFormat), kUtf8Script);

    // A file of ASCII alone is UTF-8 as much as Mac Roman: an accent typed into it is written as UTF-8.
    std::ofstream(dir.File("plain.txt"), std::ios::binary) << "Hello\r\nworld\r\n";
    const Written read = ReadBack(dir.File("plain.txt"));
    EXPECT_EQ(read.format.encoding, TextFileEncoding::Utf8);
    EXPECT_EQ(read.format.lineEnds, TextLineEnds::CRLF);
    EXPECT_EQ(Encoded(read.text + "caf\x8E\r", read.format),
              Iconv("Hello\r\nworld\r\ncaf\xC3\xA9\r\n", "UTF-8", "UTF-8"));
}

TEST_F(TextExport, CharactersMacRomanCannotHoldComeInAsQuestionMarksWithOneMessage) {
    const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87"; // two characters
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"wide.txt", "\xFF\xFE" + Iconv("Hi " + chinese + " \xF0\x9F\x98\x80\n", "UTF-8", "UTF-16LE")},
        {"narrow.txt", "Hi " + chinese + " \xF0\x9F\x98\x80\n"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        std::ofstream(dir.File(f.name), std::ios::binary) << f.bytes;
        const Written read = ReadBack(dir.File(f.name));
        EXPECT_EQ(read.text, "Hi ?? ?\r");
        EXPECT_EQ(read.format.unheldCharacters, 3u);
        ASSERT_EQ(read.messages, 1u);
        EXPECT_NE(RecordedErrorMessages()[0].find(f.name), std::string::npos);
        EXPECT_NE(RecordedErrorMessages()[0].find("3 characters"), std::string::npos);
    }
}

} // namespace
