// Scrolling and the exclusive-or drawing over the text: a scroll of a few pixels moves the pixels and
// draws only the uncovered rows, ending exactly as a full redraw would; the caret and hilites come off
// when drawn a second time.
#include "layout_fixture.h"

#include "platform/memory.h"

#include <vector>

namespace {

class ScrollingTest : public LayoutTest {
  protected:
    void SetUp() override {
        LayoutTest::SetUp();
        std::string text;
        for (int i = 0; i < 40; i++)
            text += "Line " + std::to_string(i) + " of the scrolling script\r";
        SetText(text);
        const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
        RGBBackColor(&white);
    }
    std::vector<UInt32> Pixels() {
        std::vector<UInt32> out;
        for (SInt32 v = 0; v < kViewHeight; v++)
            for (SInt32 h = 0; h < kViewWidth; h++)
                out.push_back(PixelAt(h, v));
        return out;
    }
    std::vector<UInt32> Row(const std::vector<UInt32>& pixels, SInt32 v) {
        return std::vector<UInt32>(pixels.begin() + v * kViewWidth, pixels.begin() + (v + 1) * kViewWidth);
    }
};

TEST_P(ScrollingTest, SmallScrollsEndAsAFullRedrawAndMoveTheOtherRows) {
    WEActivate(we);
    WESetSelection(30, 95, 0, we); // a hilite across lines, redrawn in the uncovered strip too
    for (SInt32 amount = 1; amount <= 5; amount++) {
        for (SInt32 direction : {-1, 1}) {
            SCOPED_TRACE("scroll by " + std::to_string(direction * amount));
            WEUpdate(nullptr, we);
            const std::vector<UInt32> before = Pixels();
            ASSERT_EQ(WEScroll(0, direction * amount, we), noErr);
            const std::vector<UInt32> scrolled = Pixels();
            // Every row the move did not uncover holds the row it came from.
            for (SInt32 v = 0; v < kViewHeight; v++) {
                const SInt32 from = v - direction * amount;
                if (from < 0 || from >= kViewHeight) continue;
                ASSERT_EQ(Row(scrolled, v), Row(before, from)) << "row " << v;
            }
            WEUpdate(nullptr, we);
            ASSERT_EQ(scrolled, Pixels());
        }
        WEScroll(0, -LinesOf(Rec())[1].origin, we); // the next pass starts a line further down
    }
}

TEST_P(ScrollingTest, NoMoveDrawsNothingAndAViewHeightRedrawsAll) {
    WEUpdate(nullptr, we);
    const std::vector<UInt32> before = Pixels();
    ASSERT_EQ(WEScroll(0, 0, we), noErr);
    EXPECT_EQ(before, Pixels());
    ASSERT_EQ(WEScroll(0, -kViewHeight, we), noErr);
    const std::vector<UInt32> jumped = Pixels();
    WEUpdate(nullptr, we);
    EXPECT_EQ(jumped, Pixels());
    EXPECT_NE(jumped, before);
    // Back to the top: the dest rect's top meets the view's again.
    ASSERT_EQ(WEScroll(0, kViewHeight, we), noErr);
    EXPECT_EQ(before, Pixels());
}

TEST_P(ScrollingTest, CaretAndHiliteAreExclusiveOrToggles) {
    WEUpdate(nullptr, we);
    const std::vector<UInt32> plain = Pixels();
    WEActivate(we);
    _WEDrawCaret(12, we);
    const std::vector<UInt32> withCaret = Pixels();
    EXPECT_NE(withCaret, plain);
    _WEDrawCaret(12, we);
    EXPECT_EQ(Pixels(), plain);

    _WEHiliteRange(5, 70, we);
    EXPECT_NE(Pixels(), plain);
    _WEHiliteRange(5, 70, we);
    EXPECT_EQ(Pixels(), plain);

    // Selecting hilites; selecting something else takes the old hilite off.
    WESetSelection(5, 70, 0, we);
    WESetSelection(3, 3, 0, we);
    EXPECT_TRUE(Rec().stateBits & kWEStateCaretShown);
    _WEHideCaret(we);
    EXPECT_EQ(Pixels(), plain);
    // An inactive text without the outline feature shows no hilite.
    WESetSelection(5, 70, 0, we);
    WEDeactivate(we);
    EXPECT_EQ(Pixels(), plain);
}

TEST_P(ScrollingTest, TypedTextAppearsAndUndoingItRestoresThePixels) {
    WEFeatureFlag(weFUndo, 1, we);
    WEActivate(we);
    WESetSelection(6, 6, 0, we);
    _WEHideCaret(we);
    WEUpdate(nullptr, we);
    const std::vector<UInt32> plain = Pixels();
    WEKey('W', 0, we);
    WEKey('W', 0, we);
    _WEHideCaret(we);
    EXPECT_NE(Pixels(), plain);
    ASSERT_EQ(WEUndo(we), noErr);
    _WEHideCaret(we);
    EXPECT_EQ(Pixels(), plain);
}

// A text replaced while its caret shows takes the caret off where it stood; left marked as shown, the
// next hide or blink would invert a stray mark at the new text's start, at the view's left edge.
TEST_P(ScrollingTest, ReplacingTheTextTakesAShownCaretOffTheScreen) {
    WEActivate(we);
    WESetSelection(6, 6, 0, we);
    _WEHideCaret(we);
    WEUpdate(nullptr, we);
    const std::vector<UInt32> plain = Pixels();
    WESetSelection(40, 40, 0, we);
    ASSERT_TRUE(Rec().stateBits & kWEStateCaretShown);
    Handle same = WEGetText(we);
    ASSERT_EQ(HandToHand(&same), noErr);
    ASSERT_EQ(WEUseText(same, we, true), noErr);
    ASSERT_EQ(WECalText(we), noErr);
    EXPECT_FALSE(Rec().stateBits & kWEStateCaretShown);
    _WEHideCaret(we);
    WESetSelection(0, 0, 0, we);
    _WEHideCaret(we);
    EXPECT_EQ(Pixels(), plain);
}

TEST_P(ScrollingTest, InlineInputRunsAreUnderlinedAtTheBottomOfTheirLine) {
    struct Case {
        UInt8 flags;
        SInt32 thickness;
        bool black;
    };
    for (const Case& c : {Case{0x10, 1, false}, Case{0x10 | 0x20 | 0x40, 2, true}}) {
        WETextStyle input;
        input.faceMask = c.flags;
        WESetSelection(0, 4, 0, we); // "Line" of the first line
        ASSERT_EQ(WESetStyle(weDoFlags, &input, we), noErr);
        WEUpdate(nullptr, we);
        const SInt32 bottom = LinesOf(Rec())[1].origin;
        LongPoint end;
        WEGetPoint(4, 1, &end, nullptr, we);
        const SInt32 middle = end.h / 2;
        const UInt32 expected = c.black ? 0x000000 : 0x7F7F7F;
        for (SInt32 row = bottom - c.thickness; row < bottom; row++)
            EXPECT_EQ(PixelAt(middle, row), expected) << "row " << row;
        EXPECT_NE(PixelAt(middle, bottom - c.thickness - 1), expected);
        // Past the run the line's bottom stays clear.
        EXPECT_EQ(PixelAt(end.h + 20, bottom - 1), 0xFFFFFFu);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, ScrollingTest, ::testing::Bool(), ModeName);

} // namespace
