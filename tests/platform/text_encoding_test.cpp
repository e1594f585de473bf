// Mac Roman <-> Unicode conversion and length-prefixed strings.
#include "platform/pstring.h"
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, EveryMacRomanByteRoundTrips) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += char(c);
    EXPECT_EQ(Utf8ToMacRoman(MacRomanToUtf8(all)), all);
    EXPECT_EQ(Utf16ToMacRoman(MacRomanToUtf16(all)), all);
    EXPECT_TRUE(Utf8FitsMacRoman(MacRomanToUtf8(all)));
}

TEST(TextEncoding, KnownCharacters) {
    struct Case {
        UInt8 macRoman;
        char16_t unicode;
    } cases[] = {
        {'A', u'A'},  {0x0D, u'\r'}, {0x80, u'Ä'}, {0x8E, u'é'}, {0xA5, u'•'}, {0xCA, u'\u00A0'},
        {0xD2, u'“'}, {0xD5, u'’'},  {0xDB, u'€'}, {0xDE, u'ﬁ'}, {0xF5, u'ı'}, {0xFF, u'ˇ'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacRomanToUnicode(c.macRoman), c.unicode) << int(c.macRoman);
        EXPECT_EQ(UnicodeToMacRoman(c.unicode), c.macRoman) << int(c.macRoman);
    }
}

TEST(TextEncoding, UnmappableCharactersBecomeQuestionMarks) {
    // The general currency sign, a CJK character, an emoji (two UTF-16 units) and a lone surrogate.
    EXPECT_EQ(Utf8ToMacRoman("a\u00A4b\u4E2Dc\U0001F600d"), "a?b?c?d");
    EXPECT_EQ(Utf16ToMacRoman(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(Utf16ToMacRoman(std::u16string(1, char16_t(0xD800)) + u"z"), "?z");
    // Invalid UTF-8: a stray continuation byte and a truncated sequence.
    EXPECT_EQ(Utf8ToMacRoman("a\x80z\xE2\x82"), "a?z??");
    EXPECT_FALSE(Utf8FitsMacRoman("\u4E2D"));
    UInt8 out;
    EXPECT_FALSE(UnicodeToMacRomanExact(0x00A4, &out));
    EXPECT_EQ(out, '?');
    // Look-alikes map onto the Mac Roman character.
    EXPECT_EQ(UnicodeToMacRoman(0x2126), 0xBD);
}

TEST(PString, SetCopyCompareAndNumbers) {
    Str255 a, b;
    SetPString(a, std::string(300, 'x'));
    EXPECT_EQ(a[0], 255);
    Str31 small;
    CopyPString(a, small, sizeof small);
    EXPECT_EQ(small[0], 31);
    SetPString(b, "abc");
    EXPECT_FALSE(EqualPStrings(a, b));
    CopyPString(b, a);
    EXPECT_TRUE(EqualPStrings(a, b));
    NumToString(-2147483647 - 1, a);
    EXPECT_EQ(PStringView(a), "-2147483648");
    NumToString(1234, a);
    EXPECT_EQ(PStringView(a), "1234");
}

} // namespace
