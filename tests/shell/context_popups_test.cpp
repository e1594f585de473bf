// The text pop-up's items for a click in the prompter (on a word, on a bookmark, on empty space; while
// scrolling; over the background picture), what its choices do, and the tab bar's pop-up.
#include "program_fixture.h"

#include "platform/menus.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/context_popups.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <string>
#include <vector>

namespace {

struct Item {
    std::string text;
    SInt16 code;
};

std::vector<Item> Items(MenuRef menu) {
    std::vector<Item> items;
    for (MenuItemIndex i = 1; menu && i <= CountMenuItems(menu); ++i) {
        Str255 text;
        GetMenuItemText(menu, i, text);
        items.push_back(Item{std::string(PStringView(text)), gInTextPopup[i]});
    }
    return items;
}

class ContextPopup : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        home.WriteFile("script.txt", "First words of the script.\nA second line.\n");
        ASSERT_EQ(OpenDocumentsEvent({home.path() + "/script.txt"}), noErr);
    }
    void TearDown() override {
        CleanUpBookmarkList(1);
        ProgramTest::TearDown();
    }
    // The window point that shows the character.
    static Point PointOf(SInt32 offset) {
        LongPoint place;
        SInt16 height = 0;
        WEGetPoint(offset, 0, &place, &height, ScrollWEHandle);
        return Point{SInt16(place.v + height / 2), SInt16(place.h + 2)};
    }
};

TEST_F(ContextPopup, ThePrompterOffersTheTextItemsThenItsOwnWhereverTheClickFalls) {
    ASSERT_EQ(gScrollOn, 0);
    SetBookmark(0, 6, 1);
    const std::vector<Item> expected = {
        {"Cut", 1},
        {"Copy", 2},
        {"Paste", 3},
        {"Extend Selection to Here", 4},
        {"Clear", 5},
        {"Find Selection", 6},
        {"Pick Up Colour Here", 7},
        {"Copy to the Macro Editor", 18},
        {"Press and Hold Opens This Menu", 20},
    };
    const struct {
        const char* name;
        Point point;
    } places[] = {
        {"on a word", PointOf(2)},
        {"on a bookmark", PointOf(6)},
        {"on empty space", Point{SInt16(gScrollTextRect.bottom - 4), SInt16(gScrollTextRect.right - 4)}},
    };
    for (const auto& place : places) {
        MenuRef menu = BuildTextPopup(place.point, myScrollWindow);
        const std::vector<Item> items = Items(menu);
        ASSERT_EQ(items.size(), expected.size()) << place.name;
        EXPECT_FALSE(IsMenuItemEnabled(menu, 8)) << "the macro editor it copies to is not there yet";
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].text, expected[i].text) << place.name;
            EXPECT_EQ(items[i].code, expected[i].code) << place.name << " " << expected[i].text;
        }
    }
    // While scrolling the pop-up only stops.
    StartScroll(1);
    const std::vector<Item> scrolling = Items(BuildTextPopup(PointOf(2), myScrollWindow));
    ASSERT_EQ(scrolling.size(), 1u);
    EXPECT_EQ(scrolling[0].text, "Stop Scrolling");
    EXPECT_EQ(scrolling[0].code, 19);
}

TEST_F(ContextPopup, OverTheBackgroundPictureItsPlacingItemsComeFirstWithTheirChecks) {
    SetPref(gThePreferences, kPrefBackgroundKind, 1);
    SetPref(gThePreferences, kPrefPictureRotation, 2);
    SetPref(gThePreferences, kPrefPictureFlipV, 1);
    gPictureRect = Rect{20, 20, 120, 220};
    MenuRef menu = BuildTextPopup(Point{60, 60}, myScrollWindow);
    const std::vector<Item> items = Items(menu);
    ASSERT_EQ(items.size(), 7u + 5u + 2u);
    EXPECT_TRUE(gMainPopupShowingPicItems);
    const SInt16 codes[] = {8, 9, 10, 11, 12};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(items[size_t(7 + i)].code, codes[i]);
    EXPECT_EQ(GetItemMark(menu, 8), 0);
    EXPECT_NE(GetItemMark(menu, 9), 0) << "turned right";
    EXPECT_EQ(GetItemMark(menu, 10), 0);
    EXPECT_NE(GetItemMark(menu, 11), 0) << "flipped top to bottom";
    // Away from the picture none of them.
    EXPECT_EQ(Items(BuildTextPopup(Point{300, 300}, myScrollWindow)).size(), 9u);
    EXPECT_FALSE(gMainPopupShowingPicItems);
}

TEST_F(ContextPopup, ChoicesActAndADismissedPopupDoesNothing) {
    const Point onSecond = PointOf(8); // in "words"
    WESetSelection(0, 5, 0, ScrollWEHandle);
    gPrefsChanged = false;

    AnswerNextPopUpMenu(0);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    SInt32 start = -1, end = -1;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    EXPECT_FALSE(gPrefsChanged);

    // Find selection: the selected word becomes the find text; an empty selection keeps it.
    AnswerNextPopUpMenu(6);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    EXPECT_EQ(gFindReplaceFindString, "First");
    WESetSelection(3, 3, 0, ScrollWEHandle);
    AnswerNextPopUpMenu(6);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    EXPECT_EQ(gFindReplaceFindString, "First");

    // Extend the selection to where the click was.
    geeMouseDownPosition = onSecond;
    AnswerNextPopUpMenu(4);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, GetScreenPositionCharacter(onSecond));

    // The last item switches opening by press and hold.
    const SInt16 hold = GetPref(gThePreferences, kPrefHoldOpensPopup);
    AnswerNextPopUpMenu(9);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    EXPECT_NE(GetPref(gThePreferences, kPrefHoldOpensPopup), hold);
    EXPECT_TRUE(gPrefsChanged);

    // While scrolling its one item stops.
    StartScroll(1);
    AnswerNextPopUpMenu(1);
    DoTextPopup(onSecond, 0, 0, myScrollWindow, true);
    EXPECT_EQ(gScrollOn, 0);
}

TEST_F(ContextPopup, TheTabPopupSetsTheKindAddsAndRemovesStops) {
    gTabBarShowing = true;
    const Rect content = GetScrollWindowContent();
    NewScrollWindowSize(RectWidth(content), RectHeight(content));
    const Point empty{SInt16(gTabBarRect.top + 8), SInt16(gScrollTextRect.left + 150)};
    ASSERT_LT(FindScrollTab(empty, nullptr), 0);
    const SInt32 count = CurrentTabList().count;

    AnswerNextPopUpMenu(3);
    DoTabPopup(empty, myScrollWindow);
    EXPECT_EQ(gCurrentTabKind, 2);

    AnswerNextPopUpMenu(5);
    DoTabPopup(empty, myScrollWindow);
    const SInt16 added = FindScrollTab(empty, nullptr);
    ASSERT_GE(added, 0);
    EXPECT_EQ(CurrentTabList().kinds[added], 2);
    EXPECT_TRUE(gTabsAreCustom);

    AnswerNextPopUpMenu(7);
    DoTabPopup(empty, myScrollWindow);
    EXPECT_EQ(CurrentTabList().count, count);

    AnswerNextPopUpMenu(8);
    DoTabPopup(empty, myScrollWindow);
    EXPECT_EQ(CurrentTabList().count, 0);

    // Removing every stop from a list without any changes nothing and leaves the script saved.
    gDontQuitWithoutSaving = false;
    gTabsAreCustom = false;
    AnswerNextPopUpMenu(8);
    DoTabPopup(empty, myScrollWindow);
    EXPECT_FALSE(gDontQuitWithoutSaving);
    EXPECT_FALSE(gTabsAreCustom);

    AnswerNextPopUpMenu(6);
    DoTabPopup(empty, myScrollWindow);
    EXPECT_EQ(CurrentTabList().count, count) << "the default stops again";
}

} // namespace
