// The mouse-down dispatcher: clicks in the running prompter by region (tab bar, information strip, text,
// scroll bar column) and in the bookmark list, under the fake clock. No button is held in these runs, so
// every tracked press ends where it began.
#include "program_fixture.h"

#include "foundation/error_dialog.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <string>

namespace {

PlatformEvent Click(Point point, UInt16 modifiers = 0, SInt16 button = 0) {
    PlatformEvent event{};
    event.kind = EventKind::MouseDown;
    event.window = myScrollWindow;
    event.localPoint = point;
    event.modifiers = modifiers;
    event.button = button;
    event.clickCount = 1;
    return event;
}

Point Middle(const Rect& r) {
    return Point{SInt16((r.top + r.bottom) / 2), SInt16((r.left + r.right) / 2)};
}

class MouseDown : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        std::string script;
        for (int line = 0; line < 400; ++line)
            script += "Line " + std::to_string(line) + " of the script.\n";
        home.WriteFile("script.txt", script);
        ASSERT_EQ(OpenDocumentsEvent({home.path() + "/script.txt"}), noErr);
        SetPref(gThePreferences, kPrefScrollDirection, 1);
    }
    void TearDown() override {
        CleanUpBookmarkList(1);
        ProgramTest::TearDown();
    }
    void Relayout() {
        Rect bounds{};
        GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
        NewScrollWindowSize(RectWidth(bounds), RectHeight(bounds));
    }
};

TEST_F(MouseDown, ClickToPauseTogglesOnPlainClicksOnly) {
    SetPref(gThePreferences, kPrefWheelControl, 1);
    StartScroll(1);
    PauseOff(0);
    const Point inText = Middle(gScrollTextRect);
    const struct {
        UInt16 modifiers;
        SInt16 button;
        bool paused;
    } cases[] = {{0, 0, true}, {controlKey, 0, true}, {0, 1, true}, {shiftKey, 0, false}};
    for (const auto& c : cases) {
        DoMouseDown(Click(inText, c.modifiers, c.button));
        EXPECT_EQ(IsPaused(), c.paused) << c.modifiers << " button " << c.button;
    }
    EXPECT_EQ(curEvent.what, mouseDown);
}

TEST_F(MouseDown, AClickInTheTextInEditModePutsTheCaretUnderIt) {
    ASSERT_EQ(gScrollOn, 0);
    const Point point{SInt16(gScrollTextRect.top + 30), SInt16(gScrollTextRect.left + 40)};
    const SInt32 expected = GetScreenPositionCharacter(point);
    ASSERT_GT(expected, 0);
    DoMouseDown(Click(point));
    SInt32 start = -1, end = -1;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    EXPECT_EQ(start, expected);
    EXPECT_EQ(end, expected);
}

TEST_F(MouseDown, TheModeFieldOfTheStripSwitchesMode) {
    SetPref(gThePreferences, kPrefShowInformation, 1);
    Relayout();
    if (RectWidth(gClickInfoModeRect) <= 0) GTEST_SKIP() << "the strip shows no mode field in this layout";
    DoMouseDown(Click(Middle(gClickInfoModeRect)));
    EXPECT_EQ(gScrollOn, 1);
    DoMouseDown(Click(Middle(gClickInfoModeRect)));
    EXPECT_EQ(gScrollOn, 0);
}

TEST_F(MouseDown, TheTabBarAddsATabOnAnEmptyPlaceAndDropsOneDraggedOff) {
    gTabBarShowing = true;
    Relayout();
    ASSERT_GT(RectWidth(gTabBarRect), 0);
    const SInt32 before = CurrentTabList().count;
    // Halfway between two default stops.
    const Point empty{SInt16(gTabBarRect.top + 8), SInt16(gScrollTextRect.left + 150)};
    ASSERT_LT(FindScrollTab(empty, nullptr), 0);
    DoMouseDown(Click(empty));
    EXPECT_EQ(CurrentTabList().count, before + 1);
    EXPECT_GE(FindScrollTab(empty, nullptr), 0);
    EXPECT_TRUE(gTabsAreCustom);
    // Pressed and let go on the same place, the tab stays where it was.
    // (The release waits in the queue; the press's tracking loop takes it.)
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, empty, 0);
    DoMouseDown(Click(empty));
    EXPECT_EQ(CurrentTabList().count, before + 1);
    EXPECT_GE(FindScrollTab(empty, nullptr), 0);
    EXPECT_EQ(gMovingTabsList, nullptr);
    // Dragged below the bar and let go there, it is gone.
    const Point below{SInt16(gTabBarRect.bottom + 40), empty.h};
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, below, 0);
    DoMouseDown(Click(empty));
    EXPECT_EQ(CurrentTabList().count, before);
    EXPECT_LT(FindScrollTab(empty, nullptr), 0);
}

TEST_F(MouseDown, TheSizeCornerInEditModeIsReportedAndChangesNothing) {
    Rect bounds{};
    GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
    const double before = gScrollCurrentPos;
    DoMouseDown(Click(Point{SInt16(bounds.bottom - 3), SInt16(bounds.right - 3)}));
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "I don't expect to get here in DoMouseDown");
    EXPECT_EQ(gScrollCurrentPos, before);
}

TEST_F(MouseDown, TheScrollBarArrowsMoveTheTextWhileScrolling) {
    StartScroll(1);
    PauseOn();
    DrawPrompterScrollBar(true);
    const Rect bar = GetPrompterScrollBarRect();
    const double top = gScrollCurrentPos;
    DoMouseDown(Click(Point{SInt16(bar.bottom - 5), SInt16(bar.left + 7)}));
    EXPECT_LT(gScrollCurrentPos, top);
    const double down = gScrollCurrentPos;
    DoMouseDown(Click(Point{SInt16(bar.top + 5), SInt16(bar.left + 7)}));
    EXPECT_GT(gScrollCurrentPos, down);
}

} // namespace

namespace {

// A press and its release both waiting in the queue: the press's tracking loop must see the release and
// end, whichever handler runs the loop.
TEST_F(MouseDown, APressAndReleaseQueuedTogetherEndTheTracking) {
    gTabBarShowing = true;
    Relayout();
    const SInt32 before = CurrentTabList().count;
    const Point empty{SInt16(gTabBarRect.top + 8), SInt16(gScrollTextRect.left + 150)};
    DoMouseDown(Click(empty));
    ASSERT_EQ(CurrentTabList().count, before + 1);
    PostMouseEvent(myScrollWindow, EventKind::MouseDown, empty, 0);
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, empty, 0);
    ProcessPendingEvents();
    EXPECT_FALSE(Button());
    EXPECT_EQ(CurrentTabList().count, before + 1);
    EXPECT_GE(FindScrollTab(empty, nullptr), 0);
}

} // namespace
