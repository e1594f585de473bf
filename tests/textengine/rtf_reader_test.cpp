// The RTF reader: small documents as word processors write them, and damaged or hostile ones, each with
// the plain text and style runs it must give.
#include "textengine/rtf_reader.h"
#include "textengine/style_scrap.h"

#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

struct Run {
    SInt32 start;
    UInt8 face;
    SInt16 size = 12;
    bool operator==(const Run&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Run& r) {
    return out << "{" << r.start << ", face " << int(r.face) << ", size " << r.size << "}";
}

struct Converted {
    SInt16 status = 0;
    std::string text;
    std::vector<StyleScrapElement> elements;

    std::vector<Run> Runs() const {
        std::vector<Run> runs;
        for (const StyleScrapElement& e : elements)
            runs.push_back({e.start, e.record.style.face, e.record.style.size});
        return runs;
    }
};

// Converts a copy of the RTF in a buffer of exactly its length, so that a read past the end is caught by
// the address checker.
Converted Convert(const std::string& rtf) {
    Converted out;
    std::vector<char> buffer(rtf.begin(), rtf.end());
    SInt32 length = SInt32(buffer.size());
    Handle scrap = nullptr;
    out.status = ProcessRTF(buffer.data(), &length, &scrap);
    EXPECT_GE(length, 0);
    EXPECT_LE(size_t(length), rtf.size());
    out.text.assign(buffer.data(), size_t(length));
    if (scrap) {
        StyleScrapShape shape;
        EXPECT_EQ(CheckStyleScrap(scrap, &shape), noErr);
        EXPECT_EQ(shape.headerSize, 2);
        for (SInt32 i = 0; i < shape.count; i++)
            out.elements.push_back(ReadStyleScrapElement(scrap, shape, i));
        DisposeHandle(scrap);
    }
    return out;
}

std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; i++)
        out += s;
    return out;
}

struct Case {
    const char* name;
    std::string rtf;
    std::string text;
    std::vector<Run> runs = {}; // empty: not checked
    SInt16 status = kRTFDone;
};

constexpr UInt8 B = bold, I = italic, U = underline;

const Case kCases[] = {
    {"plain", "{\\rtf1\\ansi Hello world}", "Hello world", {{0, 0}}},
    {"a keyword's space is eaten, the next one is text",
     "{\\rtf1\\ansi\\b Bold\\b0  plain\\par}",
     "Bold plain\r",
     {{0, B}, {4, 0}}},
    {"sizes and faces, the group's formatting ends with it",
     "{\\rtf1\\fs48 Big {\\i\\ul it}\\ulnone  x\\strike\\shad s}",
     "Big it xs",
     {{0, 0, 24}, {4, I | U, 24}, {6, 0, 24}, {8, strikeOut | dropShadow, 24}}},
    {"nested groups restore what was before them",
     "{\\rtf1 a{\\b b{\\i c}d}e}",
     "abcde",
     {{0, 0}, {1, B}, {2, B | I}, {3, B}, {4, 0}}},
    {"plain resets the character formatting",
     "{\\rtf1\\b\\i\\fs36 x\\plain y}",
     "xy",
     {{0, B | I, 18}, {1, 0}}},
    {"formatting that changes back before any text leaves one run",
     "{\\rtf1\\b\\b0 x\\i\\i0 y}",
     "xy",
     {{0, 0}}},
    {"unicode with one stand-in each", "{\\rtf1\\ansi\\uc1 caf\\u233?\\u8364? \\u8220?q\\u8221?}",
     "caf\x8E\xDB \xD2q\xD3"},
    {"unicode without stand-ins", "{\\rtf1\\uc0\\u233 x}", "\x8Ex"},
    {"two stand-ins, escapes count as one each", "{\\rtf1\\uc2\\u233\\'3f\\'3fz}", "\x8Ez"},
    {"a stand-in count ends with its group", "{\\rtf1{\\uc2\\u233}ab}",
     "\x8E"
     "ab"},
    {"unmappable unicode and a surrogate pair give one ? each", "{\\rtf1\\u1046?\\u-10179?\\u-8704?.}",
     "??"
     "."},
    {"negative units are the ones above 7FFF", "{\\rtf1\\u-1794?}", "?"},
    {"escapes in the document's code page", "{\\rtf1\\ansi\\ansicpg1252 \\'e9\\'80\\'93\\'94}",
     "\x8E\xDB\xD2\xD3"},
    {"raw high bytes in the document's code page", "{\\rtf1\\ansi caf\xE9}", "caf\x8E"},
    {"a Mac document's escapes are Mac Roman already", "{\\rtf1\\mac \\'8e\\'a5}", "\x8E\xA5"},
    {"an escape Mac Roman cannot hold becomes ?", "{\\rtf1\\ansi\\ansicpg1251 \\'c6\\'e0!}",
     "??"
     "!"},
    {"a font's character set decides its escapes",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Greek;}}\\f1 \\'f0\\f0 \\'f0}", "\xB9?"},
    {"table cells are tabs and rows end lines",
     "{\\rtf1\\trowd\\cellx100\\cellx200\\intbl A\\cell B\\cell\\row\\pard After\\par}", "A\tB\rAfter\r"},
    {"pictures and their binary data are skipped",
     "{\\rtf1 x{\\pict\\pngblip 89504e47}y{\\*\\shppict{\\pict\\bin4 }{\\x}}z}", "xyz"},
    {"document information, headers and field codes are skipped",
     "{\\rtf1{\\info{\\title T}{\\author A}}{\\header H}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt "
     "Link}}.}",
     "Link."},
    {"an unknown destination after \\* is skipped, without it kept",
     "{\\rtf1 a{\\*\\unknownthing secret}b{\\unknownword kept}c}", "abkeptc"},
    {"special characters",
     "{\\rtf1 a\\tab b\\line c\\\nd\\{\\}\\\\\\~\\emdash\\endash\\bullet\\lquote\\rquote\\-e}",
     "a\tb\rc\rd{}\\\xCA\xD1\xD0\xA5\xD4\xD5"
     "e"},
    {"line ends in the source are not text", "{\\rtf1 one\r\ntwo\n}", "onetwo"},
    {"a closing brace too many", "{\\rtf1 a}}b", "ab", {}, kRTFStrayClose},
    {"the input ends inside a group", "{\\rtf1 {\\b a", "a", {{0, B}}, kRTFUnclosed},
    {"a broken escape is read as text", "{\\rtf1 a\\'zzb}", "azzb", {}, kRTFBadHex},
    {"an escape cut off by the end", "{\\rtf1 a\\'4", "a", {}, kRTFCutShort},
    {"a backslash at the very end", "{\\rtf1 ok\\", "ok", {}, kRTFCutShort},
    {"binary data running past the end", "{\\rtf1 ok{\\pict\\bin999 abc}}", "ok", {}, kRTFCutShort},
    {"binary data with a huge count", "{\\rtf1 ok\\bin99999999999999999999 abc}", "ok", {}, kRTFCutShort},
    {"numbers past 32 bits are bounded",
     "{\\rtf1\\fs99999999999999999999 big \\f-99999999999 x \\cf4294967297 y\\uc99999999999\\u65 abc}",
     "big x yA",
     {{0, 0, 1000}}},
    {"a keyword of a hundred letters is skipped",
     "{\\rtf1 " + Repeat("\\" + std::string(100, 'k'), 3) + " z}", "z"},
    {"10,000 groups deep",
     "{\\rtf1 " + Repeat("{", 10000) + "\\b deep" + Repeat("}", 10000) + " after}",
     "deep after",
     {{0, B}, {4, 0}},
     kRTFTooDeep},
    {"empty input", "", "", {}},
    {"not RTF at all", "just words", "just words", {{0, 0}}},
};

class RtfReaderCases : public testing::TestWithParam<Case> {};

TEST_P(RtfReaderCases, GiveTheirTextRunsAndStatus) {
    const Case& c = GetParam();
    const Converted out = Convert(c.rtf);
    EXPECT_EQ(out.text, c.text);
    EXPECT_EQ(out.status, c.status);
    if (!c.runs.empty()) {
        EXPECT_EQ(out.Runs(), c.runs);
    }
    if (!out.text.empty()) {
        ASSERT_FALSE(out.elements.empty());
        EXPECT_EQ(out.elements.front().start, 0);
        for (size_t i = 1; i < out.elements.size(); i++)
            EXPECT_LT(out.elements[i - 1].start, out.elements[i].start);
    }
}

INSTANTIATE_TEST_SUITE_P(RtfReader, RtfReaderCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; p++)
                                 if (std::isalnum(UInt8(*p))) name += *p;
                             return name;
                         });

TEST(RtfReader, ColoursComeFromTheColourTableAndBadIndexesAreBlack) {
    const Converted out = Convert("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
                                  "\\cf1 R\\cf2 B\\cf9 X\\cf-3 Y\\cf0 K}");
    EXPECT_EQ(out.text, "RBXYK");
    ASSERT_EQ(out.elements.size(), 3u);
    const auto rgb = [&](size_t i) {
        const RGBColor& c = out.elements[i].record.style.color;
        return std::vector<int>{c.red, c.green, c.blue};
    };
    EXPECT_EQ(rgb(0), (std::vector<int>{0xFFFF, 0, 0}));
    EXPECT_EQ(rgb(1), (std::vector<int>{0, 128 * 257, 0xFFFF}));
    EXPECT_EQ(out.elements[2].start, 2);
    EXPECT_EQ(rgb(2), (std::vector<int>{0, 0, 0}));
}

TEST(RtfReader, FontsAreFoundByNameWithTheirClassAsFallback) {
    const Converted out = Convert("{\\rtf1\\deff0{\\fonttbl{\\f0\\froman Times;}"
                                  "{\\f1\\fswiss Nowhere Sans Qz;}{\\f2\\fmodern Zzqx Mono;}{\\f3 Qqq Rrr;}"
                                  "{\\f4\\fnil Courier Bold Oblique;}{\\f5 Helvetica;}{\\f5 Courier;}}"
                                  "a\\f1 b\\f2 c\\f3 d\\f4 e\\f5 f\\f77 g}");
    EXPECT_EQ(out.text, "abcdefg");
    std::vector<SInt16> fonts;
    for (const StyleScrapElement& e : out.elements)
        fonts.push_back(e.record.style.font);
    // An index missing from the table takes the document's default font, which merges with the run
    // before it only when that one uses it too.
    const std::vector<SInt16> expected = {kFontTimes,   kFontHelvetica, kFontCourier, kFontTimes,
                                          kFontCourier, kFontHelvetica, kFontTimes};
    EXPECT_EQ(fonts, expected);
}

TEST(RtfReader, RunsPastWhatTheScrapsCountHoldsAreAllKept) {
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < 40000; i++)
        rtf += i % 2 ? "\\b0 x" : "\\b x";
    rtf += "}";
    const Converted out = Convert(rtf);
    EXPECT_EQ(out.text, std::string(40000, 'x'));
    ASSERT_EQ(out.elements.size(), 40000u);
    EXPECT_EQ(out.elements.back().start, 39999);
    EXPECT_EQ(out.elements.back().record.style.face, 0);
}

TEST(RtfReader, AWordProcessorFileKeepsItsReadableText) {
    std::string doc = std::string("\xD0\xCF\x11\xE0", 4) + "Dear\x01 Sam,\nHello\r\tthere\x85";
    doc.push_back('\0');
    SInt32 length = SInt32(doc.size());
    ProcessDOC(doc.data(), &length);
    EXPECT_EQ(doc.substr(0, size_t(length)), "Dear Sam,\rHello\r\tthere");
}

} // namespace
