// Dragging the prompter's scroll-bar thumb: the bar's value follows the mouse and the text lands where
// the value says, to the end of the text and back.
#include "scroll/scroll_position.h"

#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/prompter_drawing.h"
#include "shell/offscreen_worlds.h"

#include "prompter_fixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

SInt32 FirstLineTop() {
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(0, 0, &point, &height, ScrollWEHandle);
    return point.v;
}

class PrompterLiveScrollTest : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        gMyBitWidth = 32;
        UsePlainOutput();
        OpenAt(Rect{100, 100, 500, 700});
        std::string script;
        for (int i = 0; i < 200; ++i)
            script += "Line " + std::to_string(i) + " of the script, read aloud\r";
        SetScript(script);
        ASSERT_GT(gScrollExtraHeight, 1000);
        ASSERT_GT(gVScrollScroll.maximum, 0);
    }
    void TearDown() override {
        DestroyOffscreenWindows();
        PrompterFixture::TearDown();
        gScrollCurrentPos = 0;
    }
    void Drag(SInt16 fromV, SInt16 toV) {
        const Rect bar = GetPrompterScrollBarRect();
        const SInt16 h = SInt16(bar.left + 7);
        PostMouseEvent(myScrollWindow, EventKind::MouseDown, Point{fromV, h}, 0);
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, Point{toV, h}, 0);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, Point{toV, h}, 0);
        ProcessPendingEvents();
        PrompterLiveScroll(fromV);
    }
    // Rows of the bar's middle column that show the thumb's red.
    static std::vector<SInt16> ThumbRows() {
        const Rect bar = GetPrompterScrollBarRect();
        std::vector<SInt16> rows;
        for (SInt16 v = bar.top; v < bar.bottom; ++v)
            if (GetPortPixel(GetWindowPort(myScrollWindow), SInt16(bar.left + 7), v) == 0xFFFF0000u)
                rows.push_back(v);
        return rows;
    }
};

TEST_F(PrompterLiveScrollTest, DraggingTheThumbMovesTheTextToThePlaceTheBarShows) {
    const Rect bar = GetPrompterScrollBarRect();
    const SInt32 travel = RectHeight(bar) - 45;
    const SInt32 maximum = gVScrollScroll.maximum;
    const SInt32 edge = FirstLineTop();
    struct Step {
        const char* name;
        SInt16 from, to;
        SInt32 want;
    } steps[] = {
        {"a third of the way down", 40, SInt16(40 + travel / 3),
         SInt32(double(travel / 3) / travel * maximum)},
        {"past the bottom: the end of the text", 40, SInt16(bar.bottom - 1), maximum},
        {"back up past the top: the start", SInt16(bar.bottom - 30), SInt16(bar.top), 0},
    };
    for (const Step& s : steps) {
        Drag(s.from, s.to);
        EXPECT_EQ(gVScrollScroll.value, s.want) << s.name;
        EXPECT_NEAR(gScrollCurrentPos, -s.want * gVScrollScrollDivisor, 1.0) << s.name;
        EXPECT_NEAR(FirstLineTop(), edge - s.want * gVScrollScrollDivisor, 1.0) << s.name;
    }
    // A drag that leaves the bar's height does not move the text.
    const SInt16 before = gVScrollScroll.value;
    Drag(40, SInt16(bar.bottom + 30));
    EXPECT_EQ(gVScrollScroll.value, before);
}

} // namespace

namespace {

TEST_F(PrompterLiveScrollTest, WhileScrollingTheBarShowsThePosition) {
    const Rect bar = GetPrompterScrollBarRect();
    auto thumbRows = [&] {
        // Rows of the bar's middle column that show the thumb's red.
        std::vector<SInt16> rows;
        for (SInt16 v = bar.top; v < bar.bottom; ++v)
            if (GetPortPixel(GetWindowPort(myScrollWindow), SInt16(bar.left + 7), v) == 0xFFFF0000u)
                rows.push_back(v);
        return rows;
    };
    DrawPrompterScrollBar(true);
    EXPECT_TRUE(thumbRows().empty()) << "edit mode: no bar";
    gScrollOn = 1;
    DrawPrompterScrollBar(true);
    const auto atStart = thumbRows();
    ASSERT_FALSE(atStart.empty());
    EXPECT_EQ(atStart.front(), bar.top + 16) << "just below the first arrow";
    ScrollScrollThisMuch(-gScrollExtraHeight, 0);
    DrawPrompterScrollBar(false);
    const auto atEnd = thumbRows();
    ASSERT_FALSE(atEnd.empty());
    EXPECT_EQ(atEnd.back(), bar.bottom - 16 - 1) << "just above the second arrow";
    gScrollOn = 0;
}

} // namespace

namespace {

// A jump to a bookmark while scrolling moves the thumb with the text, also when the prompter draws
// straight into its window (no offscreen worlds), and the thumb stays a thumb: a short red block inside
// the white track, not the whole bar.
TEST_F(PrompterLiveScrollTest, TheThumbFollowsAJumpToABookmark) {
    const Rect bar = GetPrompterScrollBarRect();
    gScrollOn = 1;
    UpdateScrollWindow();
    const auto before = ThumbRows();
    ASSERT_FALSE(before.empty());
    const std::string text(*WEGetText(ScrollWEHandle), size_t(WEGetTextLength(ScrollWEHandle)));
    SetBookmark(1, SInt32(text.find("Line 150 ")), 0);
    ASSERT_TRUE(GoToBookmark(1));
    ASSERT_LT(gScrollCurrentPos, -1000.0);
    const auto after = ThumbRows();
    ASSERT_FALSE(after.empty());
    EXPECT_GT(after.front(), before.front() + 40) << "the thumb stayed where it was";
    EXPECT_LT(after.size(), size_t(RectHeight(bar) / 2)) << "a red block, not a thumb";
    EXPECT_EQ(GetPortPixel(GetWindowPort(myScrollWindow), SInt16(bar.left + 7), SInt16(before.front() + 1)),
              0xFFFFFFFFu)
        << "the track where the thumb was";
    gScrollOn = 0;
}

} // namespace
