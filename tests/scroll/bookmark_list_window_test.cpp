// The bookmark list window: its button strip for wide and narrow windows, the page step, where it opens,
// and what each row says.
#include "scroll/bookmark_list_window.h"

#include "foundation/list_items.h"
#include "platform/pstring.h"
#include "platform/screens.h"
#include "platform/windows.h"
#include "scroll/bookmarks.h"
#include "scroll/scroll_windows.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RowText(SInt16 row) {
    Str255 text;
    GetListRow(text, row, BookmarkListHandle);
    return std::string(PStringView(text));
}

class BookmarkListWindow : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        OpenAt(Rect{100, 100, 400, 700});
        SetScript("First line of the talk\rSecond line\rThird line\r");
    }
    void TearDown() override {
        CloseBookmarkWindow(0);
        CleanUpBookmarkList(1);
        if (gBookmarkNames) DisposeHandle(gBookmarkNames), gBookmarkNames = nullptr;
        gBookmarksShowingText = false;
        gBookmarkOpacity = 100;
        PrompterFixture::TearDown();
    }
    static void OpenSized(SInt16 width, SInt16 height) {
        SetWindowPlace(gPositionPreferences, kPlaceBookmark,
                       Rect{200, 200, SInt16(200 + height), SInt16(200 + width)});
        OpenBookmarkWindow();
        ASSERT_NE(myBookmarkWindow, nullptr);
    }
};

TEST(BookmarkPageStep, IsOneLessThanTheRowsShownWhenTheListOverflowsElseNothing) {
    struct Case {
        SInt32 listHeight;
        SInt16 rectHeight, rowHeight, step;
    };
    const Case cases[] = {
        {45, 137, 15, 0},  // three bookmarks in a taller list
        {300, 150, 15, 9}, // 15-pixel rows in a 150-pixel list
        {151, 150, 15, 9}, // one pixel over
        {150, 150, 15, 0}, // exactly full
        {300, 150, 0, 0},  // no row height yet: never a division by zero
        {300, 10, 15, -1}, // a list lower than a row steps back a row, as the formula gives
    };
    for (const Case& c : cases)
        EXPECT_EQ(BookmarkPageStep(c.listHeight, c.rectHeight, c.rowHeight), c.step)
            << c.listHeight << " in " << c.rectHeight << " by " << c.rowHeight;
}

TEST_F(BookmarkListWindow, TheStripsButtonsStandFromTheRightAndTheOpacityButtonGivesWayWhenNarrow) {
    struct Case {
        SInt16 width;
        Rect list, gotoRect, renameRect, opacity;
    };
    const Case cases[] = {
        {352, Rect{0, 0, 137, 352}, Rect{139, 289, 152, 335}, Rect{139, 49, 152, 95}, Rect{139, 1, 152, 14}},
        // 150 wide: R = 135, the remove button spans -9 to 37, so the opacity button moves by 1 - 37.
        {150, Rect{0, 0, 137, 150}, Rect{139, 87, 152, 133}, Rect{139, -153, 152, -107},
         Rect{139, -35, 152, -22}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        CloseBookmarkWindow(0);
        OpenSized(c.width, 153);
        EXPECT_EQ(gBookmarkListRect, c.list);
        EXPECT_EQ(gBookmarkGotoRect, c.gotoRect);
        EXPECT_EQ(gBookmarkRenameRect, c.renameRect);
        EXPECT_EQ(gBookmarkOpacityRect, c.opacity);
        EXPECT_EQ(gBookmarkExtraRect, (Rect{137, 0, 154, c.width}));
        EXPECT_LE(gBookmarkFillinRect.right, gBookmarkGotoRect.left) << "no two buttons overlap";
    }
}

TEST_F(BookmarkListWindow, ASavedPlaceOnNoScreenFallsBackBelowTheMenuBar) {
    // A window manager's frame, known before the window is shown.
    UseFakeWindowFrames(Rect{22, 3, 3, 3});
    SetWindowPlace(gPositionPreferences, kPlaceBookmark, Rect{-9000, -9000, -8800, -8600});
    gPositionPrefsChanged = false;
    OpenBookmarkWindow();
    ASSERT_NE(myBookmarkWindow, nullptr);
    const Rect place = GetWindowPlace(gPositionPreferences, kPlaceBookmark);
    const Rect screen = GetDeviceBounds(GetMainDevice());
    Rect content{};
    GetWindowBounds(myBookmarkWindow, kWindowContentRgn, &content);
    EXPECT_EQ(place, content) << "the place kept is the place the window got";
    EXPECT_EQ(content.left, screen.left + 15);
    EXPECT_EQ(RectWidth(content), 352);
    EXPECT_EQ(RectHeight(content), 153);
    // Below the toolbar's default place, the window's frame included.
    EXPECT_GE(content.top - GetWindowFrameMargins(myBookmarkWindow).top, GetMenuBarBottom() + 37);
    EXPECT_TRUE(gPositionPrefsChanged);
}

TEST_F(BookmarkListWindow, RowsShowNamesTextOrTheEmptySlotLabel) {
    AppendStoredBookmark(0);
    AppendStoredBookmark(-1);
    AppendStoredBookmark(23);
    Str255 name;
    SetPString(name, "Opening");
    SetBookmarkName(0, name);
    OpenSized(352, 153);
    ASSERT_EQ(LCountRows(BookmarkListHandle), 3);
    EXPECT_EQ(RowText(0), "Opening");
    EXPECT_EQ(RowText(1), "(empty slot)");
    EXPECT_EQ(RowText(2).rfind("Second line", 0), 0u) << "an unnamed slot shows the text at it";

    gBookmarksShowingText = true;
    EXPECT_EQ(PutBookmarksInList(), 1);
    EXPECT_EQ(RowText(0).rfind("First line of the talk", 0), 0u);
    EXPECT_EQ(RowText(1), "(empty slot)") << "also while text is shown";
    EXPECT_LE(RowText(0).size(), size_t(kBookmarkRowTextLength));
}

TEST_F(BookmarkListWindow, TheListFollowsSlotsComingGoingAndSorted) {
    OpenSized(352, 153);
    EXPECT_EQ(LCountRows(BookmarkListHandle), 0);
    SetBookmark(-1, 23, 0);
    SetBookmark(-1, 0, 0);
    ASSERT_EQ(LCountRows(BookmarkListHandle), 2);
    EXPECT_EQ(RowText(1).rfind("First line", 0), 0u);
    SortBookmarkList();
    EXPECT_EQ(RowText(0).rfind("First line", 0), 0u);
    UnsetBookmark(1);
    EXPECT_EQ(LCountRows(BookmarkListHandle), 1);
    CleanUpBookmarkList(1);
    EXPECT_EQ(LCountRows(BookmarkListHandle), 0);
}

TEST_F(BookmarkListWindow, ALongListScrollsByPagesAndKeepsTheSelectionInView) {
    for (SInt32 i = 0; i < 40; ++i)
        AppendStoredBookmark(i % 3 == 1 ? -1 : i);
    OpenSized(352, 153);
    ASSERT_EQ(LCountRows(BookmarkListHandle), 40);
    const SInt16 row = gBookmarkSingleSpace;
    ASSERT_GT(row, 0);
    EXPECT_EQ(gBookmarkPageScrollSize, 137 / row - 1);
    EXPECT_EQ(gBookmarkCurrentPos, 0);
    SelectBookmark(30);
    SInt16 chosen = -1;
    EXPECT_TRUE(GetListChoice(&chosen, BookmarkListHandle));
    EXPECT_EQ(chosen, 30);
    EXPECT_LE(LTopRow(BookmarkListHandle), 30);
    EXPECT_GT(LTopRow(BookmarkListHandle) + 137 / row, 30);
    EXPECT_EQ(gBookmarkCurrentPos, -SInt32(LTopRow(BookmarkListHandle)) * row);
}

} // namespace
