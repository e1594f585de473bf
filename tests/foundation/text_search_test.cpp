// Byte-run searches, line breaking, number sniffing and text ordering.
#include "foundation/text_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

UInt16 Len(const char* s) {
    return UInt16(std::strlen(s));
}

TEST(TextSearch, FindsAndMissesReportTheAgreedIndexes) {
    struct Case {
        const char* name;
        UInt16 got;
        UInt16 want;
    } cases[] = {
        {"space", findspace("ab cd", 5, false), 2},
        {"comma counts only when asked", findspace("ab,c d", 6, false), 4},
        {"comma when asked", findspace("ab,c d", 6, true), 2},
        {"no space gives the length", findspace("abc", 3, true), 3},
        {"first non-space", findnospace("   x", 4, false), 3},
        {"commas skipped when asked", findnospace(" ,, x", 5, true), 4},
        {"all spaces gives the length", findnospace("   ", 3, false), 3},
        {"last non-space", findnospaceback("ab  ", 4), 1},
        {"only spaces", findnospaceback("   ", 3), 0xFFFF},
        {"empty", findnospaceback("", 0), 0xFFFF},
        {"findthis", findthis("a.b.c", '.', 5), 1},
        {"findthis absent gives the length", findthis("abc", '>', 3), 3},
        {"findthis stops at the length", findthis("ab.", '.', 2), 2},
        {"breaking", findbreakingspace("word-word", 9), 4},
        {"no breaking", findbreakingspace("word", 4), 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(TextSearch, DoubledCharactersAreEscapesNotMatches) {
    struct Case {
        const char* text;
        UInt16 want;
    } cases[] = {
        {"say \"\"hi\"\" now\"", 14}, // every pair skipped, the single one at the end found
        {"ab\"cd", 2},
        {"\"\"", 99},  // one pair and nothing else: not found
        {"\"\"\"", 2}, // a pair, then a single one
        {"none", 99},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findthisbutnotdouble(c.text, '"', Len(c.text), 99), c.want) << c.text;
}

TEST(TextSearch, BreakingCharactersAndLineBreaks) {
    for (UInt8 c : {UInt8(0), UInt8(13), UInt8(' '), UInt8('!'), UInt8(')'), UInt8(','), UInt8('-'),
                    UInt8('.'), UInt8('?'), UInt8('}')})
        EXPECT_TRUE(IsBreakingChar(c)) << int(c);
    for (UInt8 c : {UInt8('"'), UInt8('a'), UInt8('('), UInt8(';'), UInt8(':'), UInt8(0xCA)})
        EXPECT_FALSE(IsBreakingChar(c)) << int(c);

    const char* text = "one two-three four";
    EXPECT_EQ(BreakLine(text, Len(text), 18), 0) << "fits";
    EXPECT_EQ(BreakLine(text, Len(text), 12), 8) << "after the hyphen";
    EXPECT_EQ(BreakLine(text, Len(text), 7), 4) << "after the space";
    EXPECT_EQ(BreakLine("abcdefgh", 8, 5), 5) << "no break: cut at max";
}

TEST(TextSearch, NumbersAreToldFromDatesTimesAndRanges) {
    struct Case {
        const char* text;
        SInt16 want;
    } cases[] = {
        {"12", 1}, {"-5", 1}, {"+3.5", 1},      {".5", 1},    {"7 apples", 1}, {"abc", 0},
        {"-x", 0}, {"", 0},   {"12/3/2024", 0}, {"10:30", 0}, {"3-4", 0},      {"--5", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(appearstobeanumber(c.text), c.want) << c.text;
    EXPECT_EQ(appearstobeanumber(nullptr), 0);
}

TEST(TextSearch, Utf16IsSpottedByItsMarkOrAZeroByte) {
    const UInt8 bom[] = {0xFF, 0xFE, 'a', 0};
    const UInt8 wide[] = {'a', 0, 'b', 0};
    const UInt8 zeroLast[] = {'a', 'b', 0};
    EXPECT_EQ(LooksLikeUTF16(bom, 4), 1);
    EXPECT_EQ(LooksLikeUTF16(wide, 4), 1);
    EXPECT_EQ(LooksLikeUTF16("plain", 5), 0);
    EXPECT_EQ(LooksLikeUTF16(zeroLast, 3), 0) << "the last byte is not looked at";
    EXPECT_EQ(LooksLikeUTF16(bom, 0), 0);
}

TEST(TextSearch, ComparisonsOrderBytesThenLengths) {
    struct Case {
        const char* a;
        const char* b;
        SInt16 exact;
        SInt16 folded;
    } cases[] = {
        {"abc", "abc", 0, 0},      {"abd", "abc", 1, 1},    {"ab", "abc", -1, -1}, {"abc", "ab", 1, 1},
        {"ABC", "abc", -1, 0},     {"\x80", "\x8a", -1, 0}, // Mac Roman capital and small a with diaeresis
        {"\xe9", "a", 1, 1},                                // bytes compare unsigned
        {"Zebra", "apple", -1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareASCII(c.a, c.b, Len(c.a), Len(c.b)), c.exact) << c.a << " / " << c.b;
        EXPECT_EQ(MyCompareText(c.a, c.b, Len(c.a), Len(c.b)), c.folded) << c.a << " / " << c.b;
    }
}

} // namespace
