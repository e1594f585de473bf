// The mouse-down dispatcher: clicks in the running prompter by region (tab bar, information strip, text,
// scroll bar column) and in the bookmark list, under the fake clock. No button is held in these runs, so
// every tracked press ends where it began.
#include "program_fixture.h"

#include "foundation/error_dialog.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
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

// The edit window shows the prompter's stops on its own bar above its text: a stop added there is measured
// from that bar's left edge, and the prompter's bar shows it at the same distance from its own.
TEST_F(MouseDown, TheEditWindowsTabBarAddsAStopTheBothBarsShow) {
    gTabBarShowing = true;
    Relayout();
    OpenTextEditWindow();
    ASSERT_NE(myEditWindow, nullptr);
    ASSERT_TRUE(PutEditTextInBox());
    NewEditWindowSize(0, 0);
    ASSERT_GT(RectWidth(gEditTabBarRect), 0);
    EXPECT_GE(gEditView.textRect.top, gEditTabBarRect.bottom);
    const SInt32 before = CurrentTabList().count;
    const Point empty{SInt16(gEditTabBarRect.top + 8), SInt16(gEditTabBarRect.left + 150)};
    ASSERT_LT(FindEditTab(empty, nullptr), 0);
    PlatformEvent click = Click(empty);
    click.window = myEditWindow;
    DoMouseDown(click);
    EXPECT_EQ(CurrentTabList().count, before + 1);
    EXPECT_GE(FindEditTab(empty, nullptr), 0);
    EXPECT_GE(FindScrollTab(Point{SInt16(gTabBarRect.top + 8), SInt16(gTabBarRect.left + 150)}, nullptr), 0);
    // Hidden, the bar gives its rows back to the text.
    gTabBarShowing = false;
    NewEditWindowSize(0, 0);
    EXPECT_TRUE(EmptyRect(&gEditTabBarRect));
    EXPECT_EQ(gEditView.textRect.top, 0);
    CloseEditWindow(0);
}

// In the edit window a plain click places the caret; a control click (dragging the text, or the text's
// pop-up in edit mode) never does, and a press let go at once drags nothing.
TEST_F(MouseDown, AControlClickInTheEditWindowLeavesTheCaretAndTheTextWhereTheyAre) {
    OpenTextEditWindow();
    ASSERT_TRUE(PutEditTextInBox());
    const Point point{SInt16(gEditView.textRect.top + 30), SInt16(gEditView.textRect.left + 40)};
    const struct {
        SInt16 handTool;
        UInt16 modifiers;
        bool placesCaret;
    } cases[] = {{0, 0, true}, {0, controlKey, false}, {1, controlKey, false}, {1, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hand tool " << c.handTool << " modifiers " << c.modifiers);
        SetPref(gThePreferences, kPrefAllowHandTool, c.handTool);
        WESetSelection(0, 0, 0, EditWEHandle);
        const SInt32 position = gEditView.currentPos;
        PlatformEvent click = Click(point, c.modifiers);
        click.window = myEditWindow;
        DoMouseDown(click);
        SInt32 start = -1, end = -1;
        WEGetSelection(&start, &end, 0, EditWEHandle);
        EXPECT_EQ(start > 0, c.placesCaret);
        EXPECT_EQ(gEditView.currentPos, position);
    }
    CloseEditWindow(0);
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
