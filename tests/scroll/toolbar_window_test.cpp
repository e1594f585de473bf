// The toolbar: its grid for any number of buttons in any window down to one button wide, hits on cells
// and gaps, its place when opened, and what the buttons do.
#include "scroll/toolbar_window.h"

#include "foundation/error_dialog.h"
#include "macros/macro_running.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/screens.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

TEST(ToolbarGrid, EveryButtonGetsItsOwnCellForAnyCountAndWidth) {
    for (SInt16 height : {SInt16(24), SInt16(400)})
        for (SInt16 width : {SInt16(373), SInt16(358), SInt16(200), SInt16(100), SInt16(48), SInt16(24)})
            for (SInt16 n = 1; n <= 40; ++n) {
                const ToolbarGrid grid = LayOutToolbar(width, height, n);
                const std::string what =
                    std::to_string(n) + " buttons in " + std::to_string(width) + "x" + std::to_string(height);
                ASSERT_GE(grid.perRow, 1) << what;
                ASSERT_LE(grid.perRow, n) << what;
                EXPECT_EQ(grid.rows, (n + grid.perRow - 1) / grid.perRow) << what;
                ASSERT_GT(grid.size, 4) << what;
                std::set<SInt16> found;
                for (SInt16 i = 0; i < n; ++i) {
                    const Rect cell = ToolbarCell(grid, SInt16(i % grid.perRow), SInt16(i / grid.perRow));
                    const Point centre{SInt16((cell.top + cell.bottom) / 2),
                                       SInt16((cell.left + cell.right) / 2)};
                    found.insert(ToolbarButtonAt(grid, n, centre));
                }
                EXPECT_EQ(found.size(), size_t(n)) << what;
                EXPECT_EQ(found.count(-1), 0u) << what;
            }
}

TEST(ToolbarGrid, TheHeightDecidesTheCellAndGapsHitNothing) {
    struct Case {
        SInt16 width, height, n;
        ToolbarGrid expected;
    };
    const Case cases[] = {
        {373, 24, 15, {15, 1, 24}}, // the window as it opens
        {358, 24, 15, {15, 1, 24}}, // the default place: the last cell reaches past the content
        {24, 400, 15, {1, 15, 26}}, // one button wide
        {60, 24, 40, {40, 1, 24}},  {0, 24, 3, {0, 0, 0}}, {100, 0, 3, {0, 0, 0}}, {100, 24, 0, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const ToolbarGrid grid = LayOutToolbar(c.width, c.height, c.n);
        EXPECT_EQ(grid.perRow, c.expected.perRow) << c.width << "x" << c.height << " n " << c.n;
        EXPECT_EQ(grid.rows, c.expected.rows) << c.width << "x" << c.height << " n " << c.n;
        EXPECT_EQ(grid.size, c.expected.size) << c.width << "x" << c.height << " n " << c.n;
    }
    const ToolbarGrid grid = LayOutToolbar(373, 24, 15);
    EXPECT_EQ(ToolbarButtonAt(grid, 15, Point{12, 12}), 0);
    EXPECT_EQ(ToolbarButtonAt(grid, 15, Point{12, 24 + 12}), 1);
    EXPECT_EQ(ToolbarButtonAt(grid, 15, Point{12, 23}), -1) << "the gap between two cells";
    EXPECT_EQ(ToolbarButtonAt(grid, 15, Point{12, 24 * 15 + 5}), -1) << "past the last button";
    EXPECT_EQ(ToolbarButtonAt(grid, 3, Point{12, 24 * 5 + 12}), -1) << "a cell with no button";
    EXPECT_EQ(ToolbarButtonAt(ToolbarGrid{}, 15, Point{12, 12}), -1) << "no grid";
}

class Toolbar : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UseFakeScreens({Rect{0, 0, 800, 1280}, Rect{0, 1280, 800, 2560}}, {});
        saved = gToolbarButtonList;
        gToolbarButtonList = nullptr;
    }
    void TearDown() override {
        CloseToolbarWindow(0);
        if (gToolbarButtonList) DisposeHandle(gToolbarButtonList);
        gToolbarButtonList = saved;
        PrompterFixture::TearDown();
        EndFakeScreens();
    }
    // A list of n buttons showing the first toolbar picture.
    static void UseButtons(SInt16 n) {
        gToolbarButtonList = NewHandleClear(Size(n) * 6);
        for (SInt16 i = 0; i < n; ++i)
            reinterpret_cast<SInt16*>(*gToolbarButtonList)[i * 3 + 2] = 360;
    }
    static Rect Content() {
        Rect r{};
        GetWindowBounds(myToolbarWindow, kWindowContentRgn, &r);
        return r;
    }
    Handle saved = nullptr;
};

TEST_F(Toolbar, OpensAtItsSavedPlaceOrUnderTheMenuBar) {
    UseButtons(15);
    struct Case {
        const char* what;
        Rect saved;
        Rect expected;
    };
    // A fallback place (top 0 here) stands just below the menu bar, the window's own frame clear of it.
    const Case cases[] = {
        {"saved on the second screen", {300, 1500, 340, 1700}, {300, 1500, 324, 1873}},
        {"saved off every screen", {900, 3000, 924, 3373}, {0, 15, 24, 373}},
        {"never saved", {}, {0, 15, 24, 373}},
    };
    for (const Case& c : cases) {
        SetWindowPlace(gPositionPreferences, kPlaceToolbar, c.saved);
        OpenToolbarWindow();
        ASSERT_NE(myToolbarWindow, nullptr) << c.what;
        Rect expected = c.expected;
        if (expected.top == 0) OffsetRect(&expected, 0, DefaultToolWindowTop(myToolbarWindow));
        const Rect content = Content();
        EXPECT_TRUE(EqualRect(&content, &expected)) << c.what;
        EXPECT_EQ(gToolbarButtonCount, 15) << c.what;
        EXPECT_EQ(gToolbarButtonSize, 24) << c.what;
        CloseToolbarWindow(0);
        EXPECT_EQ(myToolbarWindow, nullptr);
    }
}

TEST_F(Toolbar, AnEmptyListLaysOutNothing) {
    gToolbarButtonList = NewHandle(0);
    OpenToolbarWindow();
    ASSERT_NE(myToolbarWindow, nullptr);
    EXPECT_FALSE(CreateToolbarList());
    EXPECT_EQ(gToolbarButtonCount, 0);
    MouseInToolbar(Point{12, 12}); // nothing to track, nothing done
}

TEST_F(Toolbar, ButtonsActByTheirPlaceInTheList) {
    gScrollOn = 0;
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    gPrefsChanged = false;
    DoToolButtonAction(3);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), -1);
    EXPECT_TRUE(gPrefsChanged);
    DoToolButtonAction(3);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), 1);

    const bool paused = IsPaused();
    DoToolButtonAction(2);
    EXPECT_EQ(IsPaused(), paused) << "pause does nothing while not scrolling";

    ClearRecordedErrorMessages();
    ASSERT_FALSE(CanRunMacros());
    for (SInt16 index = 8; index <= 14; ++index) {
        EXPECT_FALSE(ToolbarButtonEnabled(index)) << index;
        DoToolButtonAction(index);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty()) << "macro buttons rest silently while macros cannot run";
    DoToolButtonAction(15);
    DoToolButtonAction(-1);
    EXPECT_TRUE(RecordedErrorMessages().empty()) << "places past the list do nothing";
}

TEST_F(Toolbar, ButtonsThatCannotActAreDrawnGreyed) {
    UseButtons(15);
    OpenToolbarWindow();
    ASSERT_NE(myToolbarWindow, nullptr);
    UpdateToolbarWindow();
    CGrafPtr port = GetWindowPort(myToolbarWindow);
    // Every button shows the same picture: the enabled ones alike, the macro buttons washed out.
    auto cellPixels = [&](SInt16 index) {
        const Rect cell = ToolbarCell(LayOutToolbar(373, 24, 15), index, 0);
        std::vector<UInt32> pixels;
        for (SInt16 v = cell.top; v < cell.bottom; ++v)
            for (SInt16 h = cell.left; h < cell.right; ++h)
                pixels.push_back(GetPortPixel(port, h, v));
        return pixels;
    };
    const auto first = cellPixels(0);
    EXPECT_EQ(cellPixels(1), first);
    EXPECT_EQ(cellPixels(7), first);
    for (SInt16 index = 8; index <= 14; ++index)
        EXPECT_NE(cellPixels(index), first) << index;
    EXPECT_EQ(cellPixels(8), cellPixels(14));
}

} // namespace
