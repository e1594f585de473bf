// The mouse-down dispatcher: clicks in the running prompter by region (tab bar, information strip, text,
// scroll bar column) and in the bookmark list, under the fake clock. No button is held in these runs, so
// every tracked press ends where it began.
#include "program_fixture.h"
#include "support/dialog_player.h"

#include "effects/effects.h"
#include "foundation/error_dialog.h"
#include "foundation/rle_pictures.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "platform/events.h"
#include "platform/lists.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "textengine/text_engine.h"
#include "texttools/search_texts.h"
#include "texttools/text_tool_windows.h"

#include <string>
#include <utility>

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
        AnswerNextPopUpMenu(0); // a control-click without the hand tool opens the text pop-up: dismissed
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

namespace {

struct Output {
    const char* name;
    SInt16 mirror, flip, rotation;
};
constexpr Output kOutputs[] = {
    {"upright", 0, 0, 0},
    {"mirrored", 1, 0, 0},
    {"flipped", 0, 1, 0},
    {"mirrored and flipped", 1, 1, 0},
    {"turned", 0, 0, 1},
    {"turned and mirrored", 1, 0, 1},
    {"turned and flipped", 0, 1, 1},
    {"turned back", 0, 0, -1},
    {"turned back and mirrored", 1, 0, -1},
    {"turned back and flipped", 0, 1, -1},
};

// While the text scrolls (paused), in every way the output can be turned and mirrored: the strip's pause
// field pauses, a plain click in the cue column changes nothing, a click in the text selects the character
// the output shows there, and command-dragging the cue marker along its column moves it there.
TEST_F(MouseDown, ClicksFindTheirRegionInEveryTurnAndMirror) {
    SetPref(gThePreferences, kPrefShowInformation, 1);
    SetPref(gThePreferences, kPrefCueMarkerShown, 1);
    for (const Output& o : kOutputs) {
        SCOPED_TRACE(o.name);
        SetPref(gThePreferences, kPrefMirror, o.mirror);
        SetPref(gThePreferences, kPrefFlip, o.flip);
        SetPref(gThePreferences, kPrefRotation, o.rotation);
        SetPref(gThePreferences, kPrefCuePositionKind, 1);
        StartScroll(1);
        PauseOn();
        ScrollScrollThisMuch(-300, 0);

        ASSERT_FALSE(EmptyRect(&gClickInfoPauseRect));
        DoMouseDown(Click(Middle(gClickInfoPauseRect)));
        EXPECT_FALSE(IsPaused()) << "the pause field";
        DoMouseDown(Click(Middle(gClickInfoPauseRect)));
        EXPECT_TRUE(IsPaused());

        const double position = gScrollCurrentPos;
        WESetSelection(0, 0, 0, ScrollWEHandle);
        ASSERT_FALSE(EmptyRect(&gCueRect));
        DoMouseDown(Click(Middle(gCueRect)));
        SInt32 start = -1, end = -1;
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        EXPECT_EQ(start, 0) << "the cue column";
        EXPECT_EQ(gScrollCurrentPos, position);
        EXPECT_TRUE(IsPaused());

        // A quarter of the way into the text along both axes, so that every turn and mirror lands on a
        // different character.
        const Point inText{SInt16(gScrollTextRect.top + RectHeight(gScrollTextRect) / 4),
                           SInt16(gScrollTextRect.left + RectWidth(gScrollTextRect) / 4)};
        const SInt32 shown = GetScreenPositionCharacter(inText);
        ASSERT_GT(shown, 0);
        DoMouseDown(Click(inText));
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        EXPECT_EQ(start, shown) << "the text";
        EXPECT_EQ(end, shown);

        // Half way along the column from where it stands, across it by a little (which it ignores).
        const Point grab = Middle(gCueSpot);
        const bool upright = RectHeight(gCueRect) >= RectWidth(gCueRect);
        const SInt16 along = SInt16((upright ? RectHeight(gCueRect) : RectWidth(gCueRect)) / 2);
        const Point drop{SInt16(grab.v + (upright ? along : 3)), SInt16(grab.h + (upright ? 3 : along))};
        const Rect before = gCueSpot;
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, drop, cmdKey);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, drop, cmdKey);
        DoMouseDown(Click(grab, cmdKey));
        EXPECT_EQ(GetPref(gThePreferences, kPrefCuePositionKind), 7);
        EXPECT_GT(gCuePositionPercent, 0.2);
        if (upright) {
            EXPECT_EQ(gCueSpot.left, before.left) << "kept in its column";
            EXPECT_GT(gCueSpot.top, before.top);
        } else {
            EXPECT_EQ(gCueSpot.top, before.top) << "kept in its column";
            EXPECT_GT(gCueSpot.left, before.left);
        }
        StopScroll();
    }
}

// The hand tool: a control-click drag moves the text with the pointer, along the axis the output shows
// the text moving on.
TEST_F(MouseDown, TheHandToolDragsTheTextWithThePointer) {
    SetPref(gThePreferences, kPrefAllowHandTool, 1);
    ScrollScrollThisMuch(-500, 0);
    const double start = gScrollCurrentPos;
    const Point grab = Middle(gScrollTextRect);
    const Point up{SInt16(grab.v - 40), grab.h};
    PostMouseEvent(myScrollWindow, EventKind::MouseDragged, up, controlKey);
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, up, controlKey);
    DoMouseDown(Click(grab, controlKey, 1));
    EXPECT_EQ(gScrollCurrentPos, start - 40);
}

TEST(MouseDrag, TheTextFollowsThePointerAlongTheAxisTheOutputShows) {
    const Point from{100, 100};
    const Point to{130, 110}; // 30 down, 10 right
    const struct {
        SInt16 scrollOn, flip, rotation;
        SInt32 moved;
    } cases[] = {
        {0, 1, 1, 30}, // edit mode: always upright
        {1, 0, 0, 30}, {1, 1, 0, -30}, {1, 0, -1, 10}, {1, 1, -1, -10}, {1, 0, 1, -10}, {1, 1, 1, 10},
    };
    for (const auto& c : cases) {
        gScrollOn = c.scrollOn;
        SetPref(gThePreferences, kPrefFlip, c.flip);
        SetPref(gThePreferences, kPrefRotation, c.rotation);
        EXPECT_EQ(DragAlongScrollAxis(from, to), c.moved) << c.scrollOn << c.flip << c.rotation;
    }
    gScrollOn = 0;
}

TEST(TurboDrag, DistanceAboveThePressSetsSpeedAndDirection) {
    const struct {
        SInt32 distance, speed;
        SInt16 direction;
        SInt16 newSpeed, newDirection;
    } cases[] = {
        {40, 100, 1, 140, 1},  {-40, 100, 1, 60, 1},    {-140, 100, 1, 40, -1}, {40, 100, -1, 60, -1},
        {140, 100, -1, 40, 1}, {-40, 100, -1, 140, -1}, {0, 100, -1, 100, -1},  {40000, 100, 1, 32767, 1},
    };
    for (const auto& c : cases) {
        const TurboSetting s = TurboSpeedFor(c.distance, c.speed, c.direction);
        EXPECT_EQ(s.speed, c.newSpeed) << c.distance << " from " << c.speed << " going " << c.direction;
        EXPECT_EQ(s.direction, c.newDirection)
            << c.distance << " from " << c.speed << " going " << c.direction;
    }
}

} // namespace

namespace {

// The wheel over the prompter moves the text, in edit mode and while it scrolls (without the wheel
// setting the speed), each notch gliding by the same distance a bar arrow moves.
TEST_F(MouseDown, TheWheelMovesThePrompterTextInBothModes) {
    SetPref(gThePreferences, kPrefWheelControl, 0);
    for (const bool scrolling : {false, true}) {
        SCOPED_TRACE(scrolling ? "scrolling" : "editing");
        if (scrolling) {
            StartScroll(1);
            PauseOn();
        }
        ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
        const Point middle = Middle(gScrollTextRect);
        PostWheelEvent(myScrollWindow, middle, 0, -1, 0);
        ProcessPendingEvents();
        const double down = gScrollCurrentPos;
        EXPECT_LT(down, 0.0) << "a notch towards the user moves the text on";
        PostWheelEvent(myScrollWindow, middle, 0, 1, 0);
        ProcessPendingEvents();
        EXPECT_GT(gScrollCurrentPos, down);
    }
}

} // namespace

namespace {

// Over a background, in every way the output can be turned and mirrored: an option-drag outside the text
// box spans a new box that the text is laid into, an option-drag inside it moves it with the cue marker,
// and a press let go where it began changes nothing and leaves the preferences unchanged.
TEST_F(MouseDown, OptionDragsDrawAndMoveTheTextBoxInEveryTurnAndMirror) {
    SetPref(gThePreferences, kPrefCueMarkerShown, 1);
    SetPref(gThePreferences, kPrefWheelControl, 0);
    SetPref(gThePreferences, kPrefAllowTurbo, 0);
    for (const Output& o : kOutputs) {
        SCOPED_TRACE(o.name);
        SetPref(gThePreferences, kPrefMirror, o.mirror);
        SetPref(gThePreferences, kPrefFlip, o.flip);
        SetPref(gThePreferences, kPrefRotation, o.rotation);
        SetPref(gThePreferences, kPrefBackgroundKind, 1);
        SetPref(gThePreferences, kPrefTextBoxRect, Rect{});
        StartScroll(1);
        PauseOn();
        const Rect area = gAvailableRect;
        ASSERT_GT(RectWidth(area), 200);
        ASSERT_GT(RectHeight(area), 200);

        gPrefsChanged = false;
        const Point from{SInt16(area.top + 20), SInt16(area.left + 30)};
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, from, optionKey);
        DoMouseDown(Click(from, optionKey));
        Rect stored = GetPref(gThePreferences, kPrefTextBoxRect);
        EXPECT_TRUE(EmptyRect(&stored)) << "no movement";
        EXPECT_FALSE(gPrefsChanged);
        EXPECT_FALSE(HeyImDraggingARect);

        // Spanned up and to the left of the press; the far end is kept within the available area.
        const Point to{SInt16(area.bottom + 50), SInt16(area.left + 150)};
        const Point press{SInt16(area.top + 170), SInt16(area.left + 180)};
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, from, optionKey);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, from, optionKey);
        DoMouseDown(Click(press, optionKey));
        const Rect box{from.v, from.h, press.v, press.h};
        stored = GetPref(gThePreferences, kPrefTextBoxRect);
        EXPECT_TRUE(EqualRect(&stored, &box))
            << stored.top << "," << stored.left << "," << stored.bottom << "," << stored.right;
        EXPECT_TRUE(gPrefsChanged);
        EXPECT_FALSE(HeyImDraggingARect);
        Rect inside{};
        SectRect(&gScrollTextRect, &box, &inside);
        EXPECT_TRUE(EqualRect(&inside, &gScrollTextRect)) << "the text is laid out in the box";

        // Dragged from its middle by (25, 10), and beyond the area's bottom: it stops 2 pixels inside.
        const Rect cueBefore = GetPref(gThePreferences, kPrefCueRect);
        const Point grab = Middle(box);
        const Point moved{SInt16(grab.v + 25), SInt16(grab.h + 10)};
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, moved, optionKey);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, moved, optionKey);
        DoMouseDown(Click(grab, optionKey));
        Rect want = box;
        OffsetRect(&want, 10, 25);
        stored = GetPref(gThePreferences, kPrefTextBoxRect);
        EXPECT_TRUE(EqualRect(&stored, &want));
        Rect cueWant = cueBefore;
        AdjustRectCue(&box, &want, &cueWant);
        const Rect cueAfter = GetPref(gThePreferences, kPrefCueRect);
        EXPECT_TRUE(EqualRect(&cueAfter, &cueWant)) << "the cue marker goes along";
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, to, optionKey);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, to, optionKey);
        DoMouseDown(Click(Middle(want), optionKey));
        stored = GetPref(gThePreferences, kPrefTextBoxRect);
        EXPECT_EQ(stored.bottom, area.bottom - 2);
        EXPECT_EQ(RectHeight(stored), RectHeight(box));
        EXPECT_FALSE(HeyImMovingAUnit);
        // The end of the scroll keeps the box (as the upright output would show it).
        const Rect shown = stored;
        StopScroll();
        stored = GetPref(gThePreferences, kPrefTextBoxRect);
        EXPECT_EQ(RectWidth(stored), o.rotation ? RectHeight(shown) : RectWidth(shown)) << "kept";
        if (!o.mirror && !o.flip) {
            EXPECT_TRUE(EqualRect(&stored, &shown));
        }
    }
}

// A command-drag on the background picture moves it, kept 2 pixels inside the area; from a corner it is
// spanned again from the opposite corner, which stays.
TEST_F(MouseDown, CommandDragsMoveAndResizeTheBackgroundPicture) {
    SetPref(gThePreferences, kPrefBackgroundKind, 1);
    Relayout();
    const Rect area = gAvailableRect;
    const Rect picture{SInt16(area.top + 40), SInt16(area.left + 100), SInt16(area.top + 140),
                       SInt16(area.left + 260)};
    const struct {
        const char* name;
        Point grab, drop;
        Rect want;
    } cases[] = {
        {"moved",
         Middle(picture),
         {SInt16(Middle(picture).v + 7), SInt16(Middle(picture).h - 9)},
         {SInt16(picture.top + 7), SInt16(picture.left - 9), SInt16(picture.bottom + 7),
          SInt16(picture.right - 9)}},
        {"kept inside",
         Middle(picture),
         {SInt16(area.top - 300), Middle(picture).h},
         {SInt16(area.top + 2), picture.left, SInt16(area.top + 2 + RectHeight(picture)), picture.right}},
        {"bottom-right corner dragged",
         {SInt16(picture.bottom - 2), SInt16(picture.right - 2)},
         {SInt16(picture.bottom + 30), SInt16(picture.right + 40)},
         {picture.top, picture.left, SInt16(picture.bottom + 30), SInt16(picture.right + 40)}},
        {"top-left corner dragged past the other",
         {SInt16(picture.top + 1), SInt16(picture.left + 1)},
         {SInt16(picture.bottom + 10), SInt16(picture.left + 5)},
         {picture.bottom, SInt16(picture.left + 5), SInt16(picture.bottom + 10), picture.right}},
    };
    for (const auto& c : cases) {
        gPictureRect = picture;
        gPrefsChanged = false;
        PostMouseEvent(myScrollWindow, EventKind::MouseDragged, c.drop, cmdKey);
        PostMouseEvent(myScrollWindow, EventKind::MouseUp, c.drop, cmdKey);
        DoMouseDown(Click(c.grab, cmdKey));
        const Rect stored = GetPref(gThePreferences, kPrefPictureRect);
        EXPECT_TRUE(EqualRect(&gPictureRect, &c.want))
            << c.name << ": " << gPictureRect.top << "," << gPictureRect.left << "," << gPictureRect.bottom
            << "," << gPictureRect.right;
        EXPECT_TRUE(EqualRect(&stored, &c.want)) << c.name;
        EXPECT_TRUE(gPrefsChanged) << c.name;
    }
}

} // namespace

namespace {

TEST(StarColorTest, EntriesPickTheColoursTheStarPicturesUse) {
    const struct {
        const char* entry;
        SInt16 invisible, remapIndex, remapColor;
        bool grid;
    } cases[] = {
        {"0", 0, -1, 0, false},       {"255", 255, -1, 0, false}, {"-1", 7, 0, 0, false},
        {"-256", 7, 255, 0, false},   {"-999", 7, 255, 0, false}, {"-1000", 7, -1, 0, false},
        {"-1255", 7, -1, 255, false}, {"CoLoR", 7, -1, 0, true},  {"12abc", 7, -1, 0, false},
    };
    for (const auto& c : cases) {
        gInvisible = 7;
        gRemapIndex = -1;
        gRemapColor = 0;
        gStarsShowColor = false;
        gStarsEraseScreen = false;
        ApplyStarColorTestEntry(c.entry);
        EXPECT_EQ(gInvisible, c.invisible) << c.entry;
        EXPECT_EQ(gRemapIndex, c.remapIndex) << c.entry;
        EXPECT_EQ(gRemapColor, c.remapColor) << c.entry;
        EXPECT_EQ(gStarsShowColor, c.grid) << c.entry;
        EXPECT_TRUE(gStarsEraseScreen) << c.entry;
    }
    gInvisible = 0;
    gRemapIndex = -1;
    gStarsShowColor = gStarsEraseScreen = false;
}

// The macro editor's and the help window's click values: each window sets its own, the offset under the
// point inside its text and -1 outside, and leaves the other's alone; a control-click with the hand tool
// in the help window is a drag, not a click for macros.
TEST_F(MouseDown, TheMacroEditorAndHelpWindowKeepTheirOwnClickValues) {
    const std::string text = "First line of text\rSecond line of text\r";
    const Rect bounds{100, 100, 300, 400};
    WindowPtr editor = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
    WindowPtr help = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
    ASSERT_TRUE(editor && help);
    LongRect view;
    WESetLongRect(&view, 0, 0, 300, 150);
    for (const auto& [window, we] : {std::pair{editor, &MacroEditWEHandle}, std::pair{help, &HelpWEHandle}}) {
        SetPort(GetWindowPort(window));
        ASSERT_EQ(WENew(&view, &view, 0, we), noErr);
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, *we, 0);
    }
    myMacroEditorWindow = editor;
    myHelpWindow = help;
    // Each window's text rectangle, whose top-left corner the offsets are taken from.
    gMacroEditTextRect = gHelpTextRect = Rect{0, 0, 150, 300};
    SetPref(gThePreferences, kPrefAllowHandTool, 1);
    const Point inText{10, 40};
    const Point below{180, 40};
    const struct {
        const char* name;
        WindowPtr window;
        Point point;
        UInt16 modifiers;
        SInt32 editorClicked, editorOffset, helpClicked, helpOffset;
    } cases[] = {
        {"editor, in the text", editor, inText, 0, 1, 5, 0, 99},
        {"editor, below the text", editor, below, 0, 1, -1, 0, 99},
        {"help, in the text", help, inText, 0, 0, 99, 1, 5},
        {"help, below the text", help, below, 0, 0, 99, 1, -1},
        {"help, control-click drag", help, inText, controlKey, 0, 99, 0, 99},
    };
    for (const auto& c : cases) {
        gMEMouseClickedVariable = gHelpMouseClickedVariable = 0;
        gMEMouseTextPosAtClickVariable = gHelpMouseTextPosAtClickVariable = 99;
        PlatformEvent click = Click(c.point, c.modifiers);
        click.window = c.window;
        // The release is queued first: a click in a tool window's text is tracked until it.
        PostMouseEvent(c.window, EventKind::MouseUp, c.point, c.modifiers);
        // A control-click that no drag takes opens the text pop-up: dismissed.
        if (c.modifiers & controlKey) AnswerNextPopUpMenu(0);
        DoMouseDown(click);
        EXPECT_EQ(gMEMouseClickedVariable, c.editorClicked) << c.name;
        EXPECT_EQ(gHelpMouseClickedVariable, c.helpClicked) << c.name;
        // The offset under the point: a few characters into the first line.
        if (c.editorOffset == 5) {
            EXPECT_GT(gMEMouseTextPosAtClickVariable, 0) << c.name;
            EXPECT_LT(gMEMouseTextPosAtClickVariable, 19) << c.name;
        } else {
            EXPECT_EQ(gMEMouseTextPosAtClickVariable, c.editorOffset) << c.name;
        }
        if (c.helpOffset == 5) {
            EXPECT_GT(gHelpMouseTextPosAtClickVariable, 0) << c.name;
            EXPECT_LT(gHelpMouseTextPosAtClickVariable, 19) << c.name;
        } else {
            EXPECT_EQ(gHelpMouseTextPosAtClickVariable, c.helpOffset) << c.name;
        }
    }
    myMacroEditorWindow = myHelpWindow = nullptr;
    for (WEReference* we : {&MacroEditWEHandle, &HelpWEHandle}) {
        WEDispose(*we);
        *we = nullptr;
    }
    DisposeWindow(editor);
    DisposeWindow(help);
}

// Option-dragging a stop on the prompter's bar carries it and every stop after it by the distance the
// mouse moved; the stops before it stay.
TEST_F(MouseDown, AnOptionDragMovesATabAndAllTabsAfterIt) {
    gTabBarShowing = true;
    Relayout();
    const TabList before = CurrentTabList();
    ASSERT_GE(before.count, 4);
    const SInt16 grabbed = 2;
    const Point grab{SInt16(gTabBarRect.top + 8), SInt16(gTabBarRect.left + before.positions[grabbed])};
    ASSERT_EQ(FindScrollTab(grab, nullptr), grabbed);
    const SInt16 moved = 13;
    const Point drop{SInt16(grab.v + 30), SInt16(grab.h + moved)};
    PostMouseEvent(myScrollWindow, EventKind::MouseDragged, drop, optionKey);
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, drop, optionKey);
    DoMouseDown(Click(grab, optionKey));
    const TabList& after = CurrentTabList();
    ASSERT_EQ(after.count, before.count);
    for (SInt32 i = 0; i < after.count; ++i)
        EXPECT_EQ(after.positions[i], before.positions[i] + (i >= grabbed ? moved : 0)) << "stop " << i;
    EXPECT_EQ(gMovingTabsList, nullptr);
    EXPECT_FALSE(HeyImMovingAUnit);
}

} // namespace

namespace {

// The release reaches the mouse-up handling through the event loop alone, with no tracking loop waiting:
// a cue marker being moved lands where the mouse was let go, placed by hand.
TEST_F(MouseDown, TheReleaseEventEndsAMoveStartedByThePress) {
    SetPref(gThePreferences, kPrefCueMarkerShown, 1);
    SetPref(gThePreferences, kPrefCuePositionKind, 1);
    Relayout();
    ASSERT_FALSE(EmptyRect(&gCueSpot));
    const Rect before = gCueSpot;
    const Point grab = Middle(gCueSpot);
    const Point drop{SInt16(grab.v + 40), SInt16(grab.h + 5)};
    gPrefsChanged = false;
    geeLockHorizontal = true;
    BeginMovingMark(kShiftingCue, gCueSpot, grab, gCueRect);
    ASSERT_TRUE(HeyImMovingAUnit);
    PostMouseEvent(myScrollWindow, EventKind::MouseDown, grab, 0);
    PostMouseEvent(myScrollWindow, EventKind::MouseDragged, drop, 0);
    PostMouseEvent(myScrollWindow, EventKind::MouseUp, drop, 0);
    ProcessPendingEvents();
    geeLockHorizontal = false;
    EXPECT_FALSE(HeyImMovingAUnit);
    EXPECT_FALSE(geeMouseIsDown);
    EXPECT_EQ(GetPref(gThePreferences, kPrefCuePositionKind), 7);
    Rect want = before;
    OffsetRect(&want, 0, 40);
    EXPECT_TRUE(EqualRect(&gCueSpot, &want));
    const Rect stored = GetPref(gThePreferences, kPrefCueRect);
    EXPECT_TRUE(EqualRect(&stored, &want));
    EXPECT_TRUE(gPrefsChanged);
}

// The list's Rename button offers the selected bookmark's name, or the text at it when it has none, and
// stores what the user confirms; Cancel leaves the name as it was.
TEST_F(MouseDown, TheBookmarkListRenamesTheSelectedBookmark) {
    SetBookmark(-1, 0, 0);
    SetBookmark(-1, 22, 0); // "Line 1 of the script."
    OpenBookmarkWindow();
    ASSERT_NE(BookmarkListHandle, nullptr);
    // The list floats above the prompter, which stays the front document window: its buttons still act.
    SelectWindow(myScrollWindow);
    auto renameRow = [&](SInt16 row, const char* typed, SInt16 button, std::string* offered) {
        LSetSelect(false, Cell{0, 0}, BookmarkListHandle);
        LSetSelect(false, Cell{1, 0}, BookmarkListHandle);
        LSetSelect(true, Cell{row, 0}, BookmarkListHandle);
        DialogPlayer player({[&](DialogPtr d) {
            *offered = ItemTextOf(d, 5);
            TypeInto(d, 5, typed);
            PressDialogItem(d, button);
            return true;
        }});
        PlatformEvent click = Click(Middle(gBookmarkRenameRect));
        click.window = myBookmarkWindow;
        PostMouseEvent(myBookmarkWindow, EventKind::MouseUp, click.localPoint, 0);
        DoMouseDown(click);
        EXPECT_TRUE(player.Finished());
    };
    auto nameOf = [](SInt16 slot) {
        const StringPtr name = GetBookmarkName(slot);
        return name ? std::string(PStringView(name)) : std::string();
    };
    std::string offered;
    renameRow(1, "Chorus", 1, &offered);
    EXPECT_EQ(offered, "Line 1 of the script");
    EXPECT_EQ(nameOf(1), "Chorus");
    EXPECT_EQ(nameOf(0), "");
    renameRow(1, "Verse", 2, &offered);
    EXPECT_EQ(offered, "Chorus");
    EXPECT_EQ(nameOf(1), "Chorus") << "cancelled";
}

} // namespace
