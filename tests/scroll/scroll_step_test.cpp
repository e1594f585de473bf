// The scroll step's arithmetic: clamping a move to the text, the scroll bar's scaling, the jump's steps
// and the strips a move uncovers.
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace {

class ScrollGlobals : public ::testing::Test {
  protected:
    void TearDown() override {
        gScrollCurrentPos = 0;
        gScrollExtraHeight = 0;
    }
};

TEST_F(ScrollGlobals, MovesStopAtEitherEndOfTheText) {
    struct Case {
        SInt32 extra;
        double position;
        SInt32 asked, moved;
    };
    const Case cases[] = {
        {500, -480, -50, -20}, // stops at the end
        {500, 0, 10, 0},       // already at the start
        {500, -30.7, 50, 30},  // back to the start, by whole pixels
        {500, -200, -50, -50}, // room enough
        {-40, 0, -10, 0},      // text shorter than the rectangle never moves
        {-40, 0, 10, 0},       {500, -480, -2147483647 - 1, -20}, // no overflow on the largest move
    };
    for (const Case& c : cases) {
        gScrollExtraHeight = c.extra;
        gScrollCurrentPos = c.position;
        EXPECT_EQ(ClampScrollPixels(c.asked), c.moved) << c.extra << " " << c.position << " " << c.asked;
    }
}

TEST(ScrollBarScaling, ThirtyTwoBitRangesFitTheBarsSixteenBits) {
    struct Case {
        SInt32 range;
        SInt16 maximum;
        double ratio;
    };
    const Case cases[] = {
        {100000, 25000, 4.0}, {32767, 32767, 1.0}, {32768, 16384, 2.0}, {1, 1, 1.0}, {0x3FFFFFFF, 32767, 0},
    };
    for (const Case& c : cases) {
        double ratio = 0;
        EXPECT_EQ(GetScrollAdjustedValues(c.range, &ratio), c.maximum) << c.range;
        EXPECT_LE(GetScrollAdjustedValues(c.range, &ratio), 32767) << c.range;
        if (c.ratio > 0) {
            EXPECT_DOUBLE_EQ(ratio, c.ratio) << c.range;
        }
        EXPECT_NEAR(ratio * GetScrollAdjustedValues(c.range, &ratio), c.range, 1e-6) << c.range;
    }
    double ratio = -1;
    EXPECT_EQ(GetScrollAdjustedValues(0, &ratio), 0);
    EXPECT_GT(ratio, 0) << "an empty range never leaves a divisor of 0";
}

TEST(JumpScroll, StepsDoubleThenHalveAndAddUpToTheMove) {
    std::array<SInt32, kMostJumpSteps> steps;
    SInt32 n = PlanJumpScroll(20, steps);
    EXPECT_EQ(std::vector<SInt32>(steps.begin(), steps.begin() + n), (std::vector<SInt32>{1, 2, 4, 8, 4, 1}));
    n = PlanJumpScroll(-20, steps);
    EXPECT_EQ(std::vector<SInt32>(steps.begin(), steps.begin() + n),
              (std::vector<SInt32>{-1, -2, -4, -8, -4, -1}));
    EXPECT_EQ(PlanJumpScroll(0, steps), 0);
    for (SInt32 pixels : {1, 2, 3, 7, 100, 999, 65536, 1000003, 2147483647, -2147483647 - 1}) {
        n = PlanJumpScroll(pixels, steps);
        ASSERT_LT(n, SInt32(kMostJumpSteps)) << pixels;
        EXPECT_EQ(std::accumulate(steps.begin(), steps.begin() + n, SInt64(0)), SInt64(pixels)) << pixels;
    }
}

TEST(ExposedStrip, AMoveUncoversTheRowsAtTheFarEdge) {
    const Rect text{10, 0, 110, 50};
    struct Case {
        SInt32 pixels;
        bool flip;
        Rect destination, source;
    };
    const Case cases[] = {
        {-3, false, {107, 0, 110, 50}, {107, 0, 110, 50}}, // text moves up: new rows at the bottom
        {3, false, {10, 0, 13, 50}, {10, 0, 13, 50}},      // back: new rows at the top
        {-3, true, {10, 0, 13, 50}, {107, 0, 110, 50}},    // upside down: the text's bottom shows at the top
        {3, true, {107, 0, 110, 50}, {10, 0, 13, 50}},
    };
    for (const Case& c : cases) {
        Rect destination{}, source{};
        ASSERT_TRUE(FindExposedStrip(text, c.pixels, c.flip, &destination, &source)) << c.pixels << c.flip;
        EXPECT_EQ(destination, c.destination) << c.pixels << c.flip;
        EXPECT_EQ(source, c.source) << c.pixels << c.flip;
    }
    Rect destination{}, source{};
    EXPECT_FALSE(FindExposedStrip(text, -100, false, &destination, &source)) << "a whole page is a full copy";
    EXPECT_FALSE(FindExposedStrip(text, 5000, true, &destination, &source));
}

} // namespace
