// Numbers to text and back.
#include "foundation/number_text.h"

#include "platform/pstring.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string P(ConstStringPtr s) {
    return std::string(PStringView(s));
}

TEST(NumberText, TenthsIntegersAndFractions) {
    Str255 s;
    struct Tenths {
        SInt32 value;
        const char* want;
    } tenths[] = {{1234, "123.4"}, {5, "0.5"},        {-5, "-0.5"},
                  {0, "0.0"},      {-1234, "-123.4"}, {INT_MIN, "-214748364.8"}};
    for (const Tenths& c : tenths)
        EXPECT_EQ(P(d_to_a(c.value, 6, s)), c.want) << c.value;

    char small[4];
    EXPECT_STREQ(d_to_s(-12, 0, small, sizeof small), "-12");
    EXPECT_STREQ(d_to_s(123456, 0, small, sizeof small), "123") << "cut to the capacity";

    struct Div {
        SInt32 whole, fraction;
        SInt16 places;
        const char* want;
    } divs[] = {{3, 5, 3, "3.005"}, {3, 12345, 3, "3.123"}, {-2, 50, 2, "-2.50"}, {7, 0, 1, "7.0"}};
    for (const Div& c : divs)
        EXPECT_EQ(P(div_to_a(c.whole, c.fraction, c.places, s)), c.want);
}

TEST(NumberText, DoubleToNumTrimsAndKeepsTheSignOfSmallNegatives) {
    Str255 s;
    struct Case {
        double value;
        bool trim;
        const char* want;
    } cases[] = {
        {2.5, true, "2.5"},       {3, false, "3.000"},         {3, true, "3"},       {10, true, "10"},
        {-2.25, false, "-2.250"}, {-0.5, false, "-0.500"},     {-0.5, true, "-0.5"}, {-0.0004, true, "0"},
        {0.0625, false, "0.062"}, {1e12, true, "2147483.647"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(P(DoubleToNum(c.value, s, c.trim)), c.want) << c.value;
}

TEST(NumberText, RoundToSignificantDigits) {
    struct Case {
        SInt32 value;
        SInt16 n;
        SInt32 want;
    } cases[] = {{99, 2, 99},        {12345, 2, 12000},  {12500, 2, 13000}, {12499, 2, 12000},
                 {99999, 2, 100000}, {50000, 0, 100000}, {4999, 1, 5000}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundToNPlaces(c.value, c.n), c.want) << c.value << " " << c.n;
}

TEST(NumberText, FixedToStringAndBack) {
    Str255 s;
    struct Out {
        Fixed value;
        SInt16 places;
        const char* want;
    } outs[] = {
        {0x00018000, 3, "1.5"},         {-0x00018000, 3, "-1.5"}, {0x00020000, 3, "2.0"},
        {0x00010CCD, 2, "1.05"},        {0x0001FFFF, 2, "2.0"},   {0x00014000, 5, "1.25"},
        {0x7FFFFFFF, 5, "32767.99998"}, {INT_MIN, 3, "-32768.0"},
    };
    for (const Out& c : outs)
        EXPECT_EQ(P(FixedToString(c.value, s, c.places)), c.want) << std::hex << c.value;

    struct In {
        const char* text;
        Fixed want;
    } ins[] = {{"-1.5", Fixed(0xFFFE8000)}, {"2", 0x00020000},      {"-0.5", -0x8000}, {"0.25", 0x4000},
               {"3.", 0x00030000},          {"1.00001", 0x00010000}};
    for (const In& c : ins) {
        Str255 text;
        SetPString(text, c.text);
        Fixed stored = 0;
        EXPECT_EQ(FixedToNum(text, &stored), c.want) << c.text;
        EXPECT_EQ(stored, c.want) << c.text;
    }
}

TEST(NumberText, WholeNumbersSaturateAndRealsStopAtTheLength) {
    struct Whole {
        const char* text;
        SInt32 want;
    } wholes[] = {{"4294967296", 0x7FFFFFFF}, {"12ab", 12}, {"", 0}, {"-5", 0}, {"1073741829", 1073741829},
                  {"1073741830", 0x7FFFFFFF}};
    for (const Whole& c : wholes)
        EXPECT_EQ(TextToWholeNumber(c.text), c.want) << c.text;
    EXPECT_EQ(TextToWholeNumber(nullptr), 0);

    struct Real {
        const char* text;
        SInt32 length;
        double want;
    } reals[] = {{"-12.5x", 6, -12.5}, {"+3", 2, 3},     {"1.2.3", 5, 1.2}, {"12345", 3, 123},
                 {"5-3", 3, 5},        {".75", 3, 0.75}, {"abc", 3, 0},     {"7", 0, 0}};
    for (const Real& c : reals)
        EXPECT_DOUBLE_EQ(TextToRealNumber(c.text, c.length), c.want) << c.text;
    EXPECT_EQ(TextToRealNumber(nullptr, 4), 0);
}

TEST(NumberText, HexDigitsAndColourComponents) {
    Str255 s;
    SetPString(s, "$");
    for (SInt16 n : {0, 9, 10, 15, 16, -1})
        AddHexToString(n, s);
    EXPECT_EQ(P(s), "$09af00");
    SetPString(s, std::string(255, 'x'));
    AddHexToString(3, s);
    EXPECT_EQ(s[0], 255) << "a full string stays full";

    EXPECT_EQ(GetHexValue('7'), 7);
    EXPECT_EQ(GetHexValue('b'), 11);
    EXPECT_EQ(GetHexValue('F'), 15);
    EXPECT_EQ(GetHexValue('g'), 0);

    struct Case {
        const char* text;
        UInt16 want;
    } cases[] = {{"FF", 0xFFFF}, {"ff", 0xFFFF}, {"80", 0x8080}, {"00", 0},
                 {"1A", 0x1A1A}, {"zz", 0},      {"", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(HexToColor(c.text), c.want) << c.text;
}

// A colour written as "$RRGGBB" from the high bytes of its components reads back as the same colour.
TEST(NumberText, HexColoursSurviveAWriteAndReadRoundTrip) {
    for (UInt32 byte = 0; byte < 256; ++byte) {
        const UInt16 component = UInt16(byte * 257);
        Str255 text;
        text[0] = 0;
        AddHexToString(SInt16(component >> 12), text);
        AddHexToString(SInt16((component >> 8) & 15), text);
        const std::string hex = P(text);
        EXPECT_EQ(HexToColor(hex.c_str()), component) << hex;
    }
}

} // namespace
