// Doubles written plainly, in number words and with metric prefixes.
#include "foundation/format_double.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatDouble, WordsAndPrefixesAtEachScale) {
    struct Case {
        double value;
        bool metric;
        const char* want;
    } cases[] = {
        {0, false, "zero"},
        {2.5e6, false, "2.5 million"},
        {2.5e6, true, "2.5 mega"},
        {0.0000025, true, "2.5 micro"},
        {0.0000025, false, "2.5 millionth"},
        {123.25, false, "123.25"},
        {0.001, true, "0.001"},
        {999999, false, "999999"},
        {-4.5e9, false, "-4.5 billion"},
        {-4.5e9, true, "-4.5 giga"},
        {7e-12, false, "7 trillionth"},
        {7e-12, true, "7 pico"},
        {3e42, false, "3 tredecillion"},
        {5e99, false, "5 duotrigintillion"},
        {2e100, false, "2 googol"},
        {5e36, true, "5000 una"}, // past the last prefix the number grows instead
        {2e-45, false, "0.002 tredecillionth"},
        {1.5e-34, true, "0.15 revo"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(FormatDouble(c.value, c.metric)), c.want) << c.value;
}

TEST(FormatDouble, TheLastTwoResultsStayValid) {
    const char* first = FormatDouble(1.5, false);
    const char* second = FormatDouble(2.5e6, false);
    EXPECT_STREQ(first, "1.5");
    EXPECT_STREQ(second, "2.5 million");
    FormatDouble(3, false);
    EXPECT_STREQ(second, "2.5 million");
}

} // namespace
