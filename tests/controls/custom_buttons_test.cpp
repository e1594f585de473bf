// Picture and push buttons: auto-repeat timing on the program's clock, moving out and back in, the
// release step, and what radio, check box and push buttons answer for a release inside or outside.
#include "custom_controls_fixture.h"

namespace {

constexpr Rect kButton{40, 40, 60, 70};
constexpr Point kInside{50, 55};
constexpr Point kOutside{150, 200};
constexpr SInt32 kCode = (26 << 16) | 47;

class CustomButtons : public CustomControlsFixture {};

std::vector<UInt32> RepeatGaps(UInt32 pressTick) {
    std::vector<UInt32> gaps;
    UInt32 last = pressTick;
    for (const ControlAction& a : gControlActions)
        if (a.phase == kUpDownRepeat) {
            gaps.push_back(a.tick - last);
            last = a.tick;
        }
    return gaps;
}

TEST_F(CustomButtons, HoldingRepeatsAfterTheFirstDelayAndSpeedsUpToTheMinimum) {
    Press(kInside);
    At(50, kInside, true);
    EXPECT_EQ(TrackMainUpDownButton(&kButton, 0, 0, kButtonTable, 10, 6, kCode), 1);
    ASSERT_GE(gControlActions.size(), 3u);
    EXPECT_EQ(gControlActions.front().phase, kUpDownPress);
    EXPECT_EQ(gControlActions.front().tick, kStartTick);
    EXPECT_EQ(RepeatGaps(kStartTick), (std::vector<UInt32>{10, 9, 8, 7, 6, 6}));
    EXPECT_EQ(gControlActions.back().phase, kUpDownRelease);
    EXPECT_GE(gControlActions.back().tick, kStartTick + 50);
    EXPECT_LT(gControlActions.back().tick, kStartTick + 52);
    for (const ControlAction& a : gControlActions)
        EXPECT_EQ(a.code, kCode);
}

TEST_F(CustomButtons, OutsideTheButtonNoStepsButTrackingGoesOnAndTheReleaseStepRuns) {
    Press(kInside);
    At(5, kOutside, false); // away before the first repeat
    At(40, kInside, false); // back in: repeats resume
    At(60, kOutside, true); // let go outside
    EXPECT_EQ(TrackMainUpDownButton(&kButton, 0, 0, kButtonTable, 10, 6, kCode), 0);
    for (const ControlAction& a : gControlActions) {
        if (a.phase == kUpDownRepeat) {
            EXPECT_GE(a.tick, kStartTick + 40) << a.tick;
        }
    }
    EXPECT_FALSE(RepeatGaps(kStartTick).empty());
    EXPECT_EQ(gControlActions.back().phase, kUpDownRelease);
}

TEST_F(CustomButtons, AQuickClickStepsOnceAndReleasesOnce) {
    PressDragRelease(kInside, kInside);
    EXPECT_EQ(TrackMainUpDownButton(&kButton, 0, 0, kButtonTable, 30, 6, kCode), 1);
    ASSERT_EQ(gControlActions.size(), 2u);
    EXPECT_EQ(gControlActions[0].phase, kUpDownPress);
    EXPECT_EQ(gControlActions[1].phase, kUpDownRelease);
    // Code 0 does nothing at all.
    gControlActions.clear();
    PressDragRelease(kInside, kInside);
    TrackMainUpDownButton(&kButton, 0, 0, kButtonTable, 30, 6, 0);
    EXPECT_TRUE(gControlActions.empty());
}

TEST_F(CustomButtons, RadioCheckAndPushButtonsActOnlyOnAReleaseInside) {
    struct Case {
        const char* name;
        Point to;
        SInt16 checked;
        SInt16 want;
    } cases[] = {
        {"inside, off", kInside, 0, 1},
        {"inside, on", kInside, 1, 1},
        {"outside, off", kOutside, 0, 0},
        {"outside, on", kOutside, 1, 0},
    };
    for (const Case& c : cases) {
        PressDragRelease(kInside, c.to);
        EXPECT_EQ(TrackMainUpDownRadio(&kButton, 0, 0, kButtonTable, c.checked), c.want) << c.name;
        PressDragRelease(kInside, c.to);
        EXPECT_EQ(TrackMainUpDownCheck(&kButton, 0, 0, kButtonTable, c.checked), c.want) << c.name;
        PressDragRelease(kInside, c.to);
        const UInt8 title[] = {2, 'O', 'K'};
        EXPECT_EQ(Track3DButton(port, &kButton, title, k3DTitleLabel), c.want == 1) << c.name;
    }
    PressDragRelease(kInside, kOutside);
    EXPECT_EQ(TrackMainMultiState(&kButton, 0, 3, kButtonTable, 2), 1);
}

TEST_F(CustomButtons, PushButtonsLookPressedAndReleased) {
    const UInt8 title[] = {2, 'O', 'K'};
    Main3DButton(port, &kButton, title, false, k3DTitlePort);
    const UInt32 releasedFace = Pixel(kButton.left + 4, kButton.bottom - 5);
    Main3DButton(port, &kButton, title, true, k3DTitlePort);
    const UInt32 pressedFace = Pixel(kButton.left + 4, kButton.bottom - 5);
    EXPECT_EQ(releasedFace, 0xFFDDDDDDu);
    EXPECT_EQ(pressedFace, 0xFF444444u);
    // An empty title only erases.
    const UInt8 empty[] = {0};
    Main3DButton(port, &kButton, empty, true, k3DTitlePort);
    EXPECT_EQ(Pixel(kButton.left + 4, kButton.bottom - 5), 0xFFFFFFFFu);
}

} // namespace
