// The layout rectangles as mirrored or flipped output shows them, and their own values coming back.
#include "shell/offscreen_worlds.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"

#include <gtest/gtest.h>

namespace {

TEST(MirrorRect, MirrorsAcrossTheWidthAndFlipsAcrossTheHeight) {
    struct {
        Rect in;
        bool mirror, flip;
        Rect out;
    } cases[] = {
        {{0, 10, 50, 110}, true, false, {0, 530, 50, 630}},
        {{10, 0, 60, 5}, false, true, {420, 0, 470, 5}},
        {{10, 10, 60, 110}, true, true, {420, 530, 470, 630}},
        {{10, 10, 60, 110}, false, false, {10, 10, 60, 110}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MirrorRectInSize(c.in, 640, 480, c.mirror, c.flip), c.out);
}

class FlipScreenRectsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = gThePreferences;
        SetPref(gThePreferences, kPrefTextBoxRect, kBox);
        SetPref(gThePreferences, kPrefCueRect, kCue);
        SetPref(gThePreferences, kPrefShowInformation, 0);
        SetPref(gThePreferences, kPrefRotation, 0);
        gPictureRect = kPicture;
    }
    void TearDown() override {
        FlipScreenRects(0);
        gThePreferences = saved;
    }
    static constexpr Rect kBox{20, 10, 120, 110};
    static constexpr Rect kCue{30, 0, 60, 40};
    static constexpr Rect kPicture{0, 0, 200, 300};
    PrefsRecord saved;
};

TEST_F(FlipScreenRectsTest, MirroringTwiceKeepsTheOwnValuesAndTheyComeBack) {
    SetPref(gThePreferences, kPrefMirror, 1);
    SetPref(gThePreferences, kPrefFlip, 0);
    Rect scrolling{};
    GetWindowRectIfScrolling(&scrolling);
    const SInt16 width = RectWidth(scrolling);
    FlipScreenRects(1);
    EXPECT_TRUE(isflipped);
    const Rect mirrored{kBox.top, SInt16(width - kBox.right), kBox.bottom, SInt16(width - kBox.left)};
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), mirrored);
    // A second call while mirrored must not take the mirrored values for the rectangles' own.
    FlipScreenRects(1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), mirrored);
    FlipScreenRects(0);
    EXPECT_FALSE(isflipped);
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), kBox);
    EXPECT_EQ(GetPref(gThePreferences, kPrefCueRect), kCue);
    EXPECT_EQ(gPictureRect, kPicture);
}

TEST_F(FlipScreenRectsTest, WithoutMirrorOrFlipNothingMovesButTheStateIsKept) {
    SetPref(gThePreferences, kPrefMirror, 0);
    SetPref(gThePreferences, kPrefFlip, 0);
    FlipScreenRects(1);
    EXPECT_TRUE(isflipped);
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), kBox);
    SetPref(gThePreferences, kPrefTextBoxRect, Rect{1, 2, 3, 4});
    FlipScreenRects(0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), kBox);
}

} // namespace
