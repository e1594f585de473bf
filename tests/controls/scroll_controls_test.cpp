// The layer's scroll bars: 32-bit values at both ends, the thumb's size and place, and tracking by the
// thumb, the arrows and the track.
#include "controls/scroll_controls.h"

#include "controls/control_layout.h"
#include "controls/control_values.h"
#include "controls/window_callbacks.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

#include <cmath>
#include <limits>

namespace {

constexpr SInt32 kLowest = std::numeric_limits<SInt32>::min();
constexpr SInt32 kHighest = std::numeric_limits<SInt32>::max();

class ScrollControls : public ToolWindowFixture {
  protected:
    // The colour box item becomes a vertical bar 16 wide and 200 high.
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11,
              {ItemListBytes({Item(0, {20, 300, 220, 316}), Item(0, {240, 20, 256, 220}, "")})});
        SetMyControlKind(reference, dialog, 1, kMyVerticalScrollBar, 0);
        SetMyControlKind(reference, dialog, 2, kMyHorizontalScrollBar, 0);
        bar = GetMyControlScrollBar(reference, At(1));
        ASSERT_NE(bar, nullptr);
    }
    void Set(double minimum, double maximum, double value) {
        SetMyScrollControlMinimum(bar, nullptr, minimum, false);
        SetMyScrollControlMaximum(bar, nullptr, maximum, false);
        SetMyScrollControlValue(bar, nullptr, value, true);
    }
    MyScrollControl* bar = nullptr;
};

TEST_F(ScrollControls, ThirtyTwoBitPositionsPassThroughAtBothEnds) {
    EXPECT_EQ(bar->bar, (Rect{20, 300, 220, 316}));
    EXPECT_EQ(bar->firstArrow, (Rect{20, 300, 36, 316}));
    EXPECT_EQ(bar->secondArrow, (Rect{204, 300, 220, 316}));
    EXPECT_EQ(bar->track, (Rect{36, 300, 204, 316}));
    struct Case {
        const char* name;
        double minimum, maximum, value;
        double want;
        bool thumbAtStart, thumbAtEnd;
    } cases[] = {
        {"top of a full 32-bit range", 0, kHighest, 0, 0, true, false},
        {"bottom of a full 32-bit range", 0, kHighest, kHighest, kHighest, false, true},
        {"negative start", kLowest, kHighest, kLowest, kLowest, true, false},
        {"negative range, its end", kLowest, -1, -1, -1, false, true},
        {"past the end is held at the end", 0, 1000000, 5000000, 1000000, false, true},
        {"before the start is held at the start", 100, 2000000000, -7, 100, true, false},
    };
    for (const Case& c : cases) {
        Set(c.minimum, c.maximum, c.value);
        EXPECT_EQ(GetMyScrollControlValue(bar), c.want) << c.name;
        ASSERT_FALSE(EmptyRect(&bar->thumb)) << c.name;
        EXPECT_GE(RectHeight(bar->thumb), 8) << c.name;
        EXPECT_EQ(bar->thumb.top == bar->track.top, c.thumbAtStart) << c.name;
        EXPECT_EQ(bar->thumb.bottom == bar->track.bottom, c.thumbAtEnd) << c.name;
        EXPECT_GT(bar->pixelsPerUnit, 0) << c.name;
    }
}

TEST_F(ScrollControls, AnEmptyRangeShowsNoThumb) {
    Set(40, 40, 40);
    EXPECT_TRUE(EmptyRect(&bar->thumb));
    EXPECT_EQ(bar->pixelsPerUnit, 1.0);
    // A tiny range in a long window gives a big thumb, a huge one the shortest thumb of 8 pixels.
    Set(0, 1, 0);
    EXPECT_GT(RectHeight(bar->thumb), 100);
    Set(0, 1e12, 0);
    EXPECT_EQ(RectHeight(bar->thumb), 8);
}

SInt32 gScrolledTo = -1;
bool ScrollTo(MyDialogHandle, SInt16, SInt32 value) {
    gScrolledTo = value;
    return true;
}

TEST_F(ScrollControls, TheThumbFollowsTheMouseAndArrowsAndTrackStep) {
    SetMyWindowCallbacks(11, MyWindowCallbacks{nullptr, nullptr, nullptr, ScrollTo});
    Set(0, 10000, 0);
    const double perPixel = 1 / bar->pixelsPerUnit;
    struct Case {
        const char* name;
        Point from, to;
        double want; // the value after, from 0
    } cases[] = {
        {"the thumb dragged 40 pixels down",
         {SInt16(bar->thumb.top + 2), 308},
         {SInt16(bar->thumb.top + 42), 308},
         std::trunc(40 * perPixel)},
        {"the second arrow: one line", {210, 308}, {210, 308}, 1},
        {"the first arrow at the top: held at 0", {25, 308}, {25, 308}, 0},
        {"the track below the thumb: one page", {200, 308}, {200, 308}, 184},
    };
    for (const Case& c : cases) {
        Set(0, 10000, 0);
        gScrolledTo = -1;
        PressDragRelease(c.from, c.to);
        EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(1), c.from),
                  c.want != 0 ? 1 : 0)
            << c.name;
        EXPECT_EQ(GetMyScrollControlValue(bar), c.want) << c.name;
        EXPECT_EQ(gScrolledTo, c.want != 0 ? SInt32(c.want) : -1) << c.name << ": the window scrolled";
    }
    ClearMyWindowCallbacks(11);
}

TEST_F(ScrollControls, MovingTheItemMovesItsBar) {
    Set(0, 100, 50);
    Rect moved = At(1)->rect;
    OffsetRect(&moved, -100, 10);
    SetMyControlRect(reference, dialog, 1, &moved, false);
    EXPECT_EQ(bar->bar, (Rect{30, 200, 230, 216}));
    EXPECT_EQ(GetMyScrollControlValue(bar), 50);
    const MyScrollControl* horizontal = GetMyControlScrollBar(reference, At(2));
    ASSERT_NE(horizontal, nullptr);
    EXPECT_EQ(horizontal->firstArrow, (Rect{240, 20, 256, 36}));
}

} // namespace
