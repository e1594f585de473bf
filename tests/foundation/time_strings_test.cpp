// Durations and the time of day as text.
#include "foundation/time_strings.h"

#include "platform/clock.h"
#include "platform/pstring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string P(ConstStringPtr s) {
    return std::string(PStringView(s));
}

TEST(TimeStrings, DurationsHaveTwoDigitFields) {
    struct Case {
        SInt32 seconds;
        const char* want;
    } cases[] = {
        {3725, "01:02:05"}, {0, "00:00:00"}, {59, "00:00:59"}, {360000, "100:00:00"}, {-61, "-00:01:01"}};
    for (const Case& c : cases) {
        Str255 s;
        EXPECT_EQ(P(SecondsToTimeString(c.seconds, s)), c.want) << c.seconds;
    }
}

TEST(TimeStrings, TheTimeOfDayTellsWhenItChanged) {
    const UInt32 morning = 100u * 86400u + 9u * 3600u + 5u * 60u + 30u;
    UseFakeClock(0, morning);
    Str255 s;
    GetTheTime(s);
    EXPECT_EQ(P(s), "9:05");
    EXPECT_FALSE(GetTheTime(s)) << "same minute";
    AdvanceFakeClock(60 * 60);
    EXPECT_TRUE(GetTheTime(s));
    EXPECT_EQ(P(s), "9:06");
}

} // namespace
