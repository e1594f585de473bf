// The style codes at the start of a merge text: what each sets, where the text proper begins, and where
// the last code of a kind stands.
#include "texttools/merge_style_codes.h"

#include "foundation/keyword_dictionary.h"
#include "foundation/program_colors.h"
#include "platform/pstring.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

std::string Read(const std::string& input, WETextStyle* style, UInt16 interest, UInt16* mask, SInt16* start,
                 SInt16* end) {
    Str255 in, out;
    in[0] = UInt8(input.size());
    std::memcpy(in + 1, input.data(), input.size());
    *mask = GetTextMergeAttributes(in, out, style, interest, start, end);
    return std::string(PStringView(out));
}

// Colour numbers and names come from the application's resources.
class MergeStyleCodes : public ::testing::Test {
  protected:
    void SetUp() override {
        resources = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(resources, 0);
    }
    void TearDown() override {
        ForgetColorTables();
        if (resources > 0) CloseResFile(resources);
    }
    ResFileRefNum resources = -1;
};

struct CodeCase {
    const char* input;
    UInt16 mask;
    const char* text;
    std::function<void(WETextStyle&)> expect; // what the codes change in a bold 12-point black style
};

TEST_F(MergeStyleCodes, EachCodeSetsItsAttributeAndTheTextFollowsTheCodes) {
    RGBColor red{};
    ASSERT_TRUE(GetOVColor(3, &red, 0));
    const CodeCase cases[] = {
        {"Hello there", 0, "Hello there", nullptr},
        {"\\b1 \\i1 word", kMergeBold | kMergeItalic, "word", [](WETextStyle& s) { s.face = 1 | 2; }},
        {"\\b0 x", kMergeBold, "x", [](WETextStyle& s) { s.face = 0; }},
        {"\\b", kMergeBold, "", [](WETextStyle& s) { s.face = 0; }},
        {"\\u1 \\e1 \\d1 x", kMergeUnderline | kMergeExtended | kMergeShadow, "x",
         [](WETextStyle& s) { s.face = 1 | 4 | 64 | 16; }},
        {"\\fc\"$FF8000\"", kMergeColor, "",
         [](WETextStyle& s) {
             s.color = RGBColor{0xFFFF, 0x8080, 0};
         }},
        {"\\fc3 x", kMergeColor, "x", [=](WETextStyle& s) { s.color = red; }},
        {"\\fc\"Red\"!", kMergeColor, "!", [=](WETextStyle& s) { s.color = red; }},
        {"\\b1 \\\\ word", kMergeBold, " word", nullptr},
        {"\\fs24 \\b65535 x", kMergeSize | kMergeBlue, "x",
         [](WETextStyle& s) {
             s.size = 24;
             s.color.blue = 65535;
         }},
        {"\\fr4096 \\fg8192 \\fb0 x", kMergeRed | kMergeGreen | kMergeBlue, "x",
         [](WETextStyle& s) {
             s.color = RGBColor{4096, 8192, 0};
         }},
        {"\\fs12Hello", kMergeSize, "Hello", [](WETextStyle& s) { s.size = 12; }},
        {"\\fs12 \\fs30 x", kMergeSize, "x", [](WETextStyle& s) { s.size = 30; }},
        {"\\x Hello", 0, "x Hello", nullptr},
        {"\\fi1 x", 0, "i1 x", nullptr},
        {"\\b1 \\fs9", kMergeBold | kMergeSize, "", [](WETextStyle& s) { s.size = 9; }},
        {"\\fn\"Unclosed", kMergeFont, "", nullptr},
        {"", 0, "", nullptr},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.input);
        WETextStyle style;
        style.face = 1;
        style.size = 12;
        WETextStyle expected = style;
        if (c.expect) c.expect(expected);
        UInt16 mask = 0;
        SInt16 start = -1, end = -1;
        EXPECT_EQ(Read(c.input, &style, 0, &mask, &start, &end), c.text);
        EXPECT_EQ(mask, c.mask);
        EXPECT_EQ(style.face, expected.face);
        EXPECT_EQ(style.size, expected.size);
        EXPECT_TRUE(style.color == expected.color);
        EXPECT_EQ(style.font, expected.font);
        EXPECT_EQ(start, 0) << "no code is of interest";
        EXPECT_EQ(end, 0);
    }
}

TEST_F(MergeStyleCodes, AQuotedFontIsLookedUpByNameAndABlankAfterItIsText) {
    WETextStyle style;
    style.font = -7;
    UInt16 mask = 0;
    EXPECT_EQ(Read("\\fn\"Geneva\" Hi", &style, 0, &mask, nullptr, nullptr), " Hi");
    EXPECT_EQ(mask, kMergeFont);
    EXPECT_EQ(style.font, FindFontFamilyByName(reinterpret_cast<ConstStr255Param>("\x06Geneva"), false));
}

TEST_F(MergeStyleCodes, TheLastCodeOfTheKindAskedForIsFoundWithItsEndingBlank) {
    const struct {
        const char* input;
        UInt16 interest;
        SInt16 start, end;
    } cases[] = {
        {"\\b1 \\fs24 Hello", kMergeSize, 5, 10}, {"\\fs12 \\fs24 x", kMergeSize, 7, 12},
        {"\\b1 \\fs24 Hello", kMergeBold, 1, 4},  {"\\b1\\i1 x", kMergeBold, 1, 3},
        {"\\fn\"Geneva\" x", kMergeFont, 1, 11},  {"\\fs24", kMergeSize, 1, 5},
        {"\\fs24 \\b1 x", kMergeBold, 0, 0}, // in font mode that code is the blue component
        {"\\b1 \\fs24 Hello", 0xFFFF, 5, 10},     {"Hello \\fs24 ", kMergeSize, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        UInt16 mask = 0;
        SInt16 start = -1, end = -1;
        Read(c.input, nullptr, c.interest, &mask, &start, &end);
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(end, c.end);
    }
}

TEST_F(MergeStyleCodes, AHugeNumberAndAFullLengthTextAreReadSafely) {
    const std::string digits = "\\fs" + std::string(250, '9') + " x";
    WETextStyle style;
    Str255 in, out;
    in[0] = 255;
    std::memcpy(in + 1, digits.data(), 255);
    const UInt16 mask = GetTextMergeAttributes(in, out, &style, 0, nullptr, nullptr);
    EXPECT_EQ(mask, kMergeSize);
    EXPECT_EQ(std::string(PStringView(out)), "x");
    EXPECT_EQ(style.size, 32767) << "a size beyond what a size holds is the largest";
    EXPECT_EQ(GetTextMergeAttributes(in, nullptr, nullptr, 0, nullptr, nullptr), kMergeSize);
}

} // namespace
