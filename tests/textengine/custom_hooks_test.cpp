// The hooks a text view installs: lines that break only at returns, and drawing that marks blanks, tabs
// and returns in a colour of its own.
#include "engine_fixture.h"
#include "layout_fixture.h"

#include "textengine/custom_hooks.h"

namespace {

class CrOnlyHook : public EngineTest {};

TEST_F(CrOnlyHook, AParagraphWiderThanTheViewStaysOneLineUntilTheHookIsRemoved) {
    Insert(0, std::string(50, 'a') + "\r" + std::string(30, 'b'));
    struct Step {
        OSErr (*change)(WEReference);
        bool crOnly;
        SInt32 lines;
    } steps[] = {
        {nullptr, false, 5}, // 20 characters a line: 3 + 2
        {WEInstallCrOnlyHook, true, 2},
        {WERemoveCrOnlyHook, false, 5},
    };
    for (const Step& s : steps) {
        if (s.change) {
            ASSERT_EQ(s.change(we), noErr);
        }
        ASSERT_EQ(WECalText(we), noErr);
        EXPECT_EQ(WEIsCrOnly(we), s.crOnly);
        EXPECT_EQ(Rec().lineCount, s.lines);
        EXPECT_TRUE(RecordIsConsistent(we));
    }
}

class InvisiblesTest : public LayoutTest {
  protected:
    // Pixels of the colour in a row.
    SInt32 CountInRow(UInt32 color, SInt32 v, SInt32 left = 0, SInt32 right = kViewWidth) {
        SInt32 count = 0;
        for (SInt32 h = left; h < right; h++)
            count += PixelAt(h, v) == color;
        return count;
    }
    SInt32 CountInRows(UInt32 color, SInt32 top, SInt32 bottom) {
        SInt32 count = 0;
        for (SInt32 v = top; v < bottom; v++)
            count += CountInRow(color, v);
        return count;
    }
    SInt32 Baseline() { return Line(0).origin + Line(0).ascent; }
    SInt32 XOf(SInt32 offset) {
        LongPoint point;
        SInt16 height = 0;
        WEGetPoint(offset, 0, &point, &height, we);
        return point.h;
    }
};

TEST_P(InvisiblesTest, InstallingKeepsTheDrawingHookAndRemovingPutsItBack) {
    WEHookProc before = Rec().hooks[kWEHookDrawText];
    EXPECT_EQ(WERemoveShowInvisiblesHook(we), paramErr);
    RGBColor color;
    EXPECT_EQ(WEGetInvisiblesColor(&color, we), paramErr);
    EXPECT_EQ(WEGetInvisiblesColor(&color, nullptr), nilHandleErr);
    ASSERT_EQ(WEInstallShowInvisiblesHook(we), noErr);
    ASSERT_EQ(WEInstallShowInvisiblesHook(we), noErr); // a second install keeps the first kept hook
    EXPECT_TRUE(WEIsShowInvisibles(we));
    ASSERT_EQ(WERemoveShowInvisiblesHook(we), noErr);
    EXPECT_FALSE(WEIsShowInvisibles(we));
    EXPECT_EQ(Rec().hooks[kWEHookDrawText], before);

    const RGBColor green{0, 0xFFFF, 0x1234};
    ASSERT_EQ(WESetInvisiblesColor(&green, we), noErr);
    ASSERT_EQ(WEGetInvisiblesColor(&color, we), noErr);
    EXPECT_EQ(std::vector<int>({color.red, color.green, color.blue}), std::vector<int>({0, 0xFFFF, 0x1234}));
}

TEST_P(InvisiblesTest, ABlankShowsADotAboveTheBaselineAndTabsAndReturnsShowMarks) {
    SetText("ab cd\tef\rgh");
    const RGBColor green{0, 0xFFFF, 0};
    ASSERT_EQ(WESetInvisiblesColor(&green, we), noErr);
    constexpr UInt32 kGreen = 0x00FF00;
    WEUpdate(nullptr, we);
    EXPECT_EQ(CountInRows(kGreen, 0, kViewHeight), 0);

    ASSERT_EQ(WEInstallShowInvisiblesHook(we), noErr);
    WEUpdate(nullptr, we);
    if (!GetParam()) {
        // The Unicode layout draws whole lines without the drawing hook: nothing is marked.
        EXPECT_EQ(CountInRows(kGreen, 0, kViewHeight), 0);
        return;
    }
    const SInt32 baseline = Baseline();
    // The blank's dot: one pixel, three above the baseline, halfway across the blank.
    const SInt32 blankLeft = XOf(2), blankRight = XOf(3);
    EXPECT_EQ(CountInRow(kGreen, baseline - 3, blankLeft, blankRight), 1);
    EXPECT_EQ(PixelAt((blankLeft + blankRight) / 2, baseline - 3), kGreen);
    // The tab's arrow and the return's mark lie on the first line; the second line has no blanks.
    EXPECT_GT(CountInRows(kGreen, Line(0).origin, baseline + 1), 10);
    EXPECT_EQ(CountInRows(kGreen, Line(1).origin, Line(2).origin), 0);
    // The text itself is still drawn by the hook that was kept.
    EXPECT_GT(CountInRows(0x000000, Line(0).origin, baseline), 20);
}

std::string ModeName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Classic" : "Unicode";
}

INSTANTIATE_TEST_SUITE_P(Modes, InvisiblesTest, ::testing::Values(true, false), ModeName);

} // namespace
