// Window frames: places kept on a screen, the place stored after a move, and closing while quitting.
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/window_frames.h"
#include "texttools/text_tool_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WindowPlaces, APlaceOnNoScreenComesBackOntoTheMainOne) {
    const std::vector<Rect> twoScreens{{0, 0, 1080, 1920}, {0, 1920, 1200, 3840}};
    const std::vector<Rect> mainOnly{twoScreens.front()};
    struct Case {
        const char* what;
        Rect place;
        const std::vector<Rect>* screens;
        Rect expected;
    };
    const Case cases[] = {
        {"on the main screen", {100, 100, 400, 600}, &twoScreens, {100, 100, 400, 600}},
        {"on the second screen", {100, 2000, 400, 2500}, &twoScreens, {100, 2000, 400, 2500}},
        {"across both", {100, 1700, 400, 2200}, &twoScreens, {100, 1700, 400, 2200}},
        {"mostly off but grabbable", {1000, 1800, 1400, 2400}, &mainOnly, {1000, 1800, 1400, 2400}},
        {"on a screen that went away", {100, 2000, 400, 2500}, &mainOnly, {260, 710, 560, 1210}},
        {"a sliver showing", {1070, 100, 1370, 600}, &mainOnly, {260, 710, 560, 1210}},
        {"above every screen", {-900, 100, -600, 600}, &twoScreens, {260, 710, 560, 1210}},
        {"larger than the main screen", {-3000, -5000, -1000, -1000}, &mainOnly, {0, 0, 1080, 1920}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepRectOnScreens(c.place, *c.screens), c.expected) << c.what;
    EXPECT_EQ(KeepRectOnScreens(Rect{5, 5, 9, 9}, {}), (Rect{5, 5, 9, 9})) << "no screens known: left alone";
}

TEST(WindowPlaces, TheWholeFrameIsFittedInsideAScreensUsableArea) {
    // The main screen with a 24-pixel panel along its top, and a taller screen at its right.
    const std::vector<Rect> areas{{24, 0, 1080, 1920}, {0, 1920, 1200, 3840}};
    const std::vector<Rect> mainOnly{areas.front()};
    const Rect frame{50, 1, 1, 1}; // title bar and menu bar above, thin borders
    const Rect none{};
    struct Case {
        const char* what;
        Rect place;
        Rect margins;
        const std::vector<Rect>* areas;
        Rect expected;
    };
    const Case cases[] = {
        {"already inside", {200, 100, 600, 900}, frame, &areas, {200, 100, 600, 900}},
        {"title bar above the top", {22, 5, 500, 1000}, frame, &areas, {74, 5, 552, 1000}},
        {"content at the very top", {0, 100, 300, 500}, frame, &areas, {74, 100, 374, 500}},
        {"off the right", {300, 1800, 500, 2000}, frame, &mainOnly, {300, 1719, 500, 1919}},
        {"off the left and the bottom", {900, -50, 1200, 250}, frame, &areas, {779, 1, 1079, 301}},
        {"larger than the screen", {-10, -10, 2000, 3000}, frame, &mainOnly, {74, 1, 1079, 1919}},
        {"mostly on the second screen", {-20, 1900, 300, 2400}, frame, &areas, {50, 1921, 370, 2421}},
        {"on a screen that went away", {100, 2000, 400, 2500}, frame, &mainOnly, {100, 1419, 400, 1919}},
        {"no frame, under the panel", {10, 10, 100, 100}, none, &areas, {24, 10, 114, 100}},
        {"no frame, already inside", {24, 0, 1080, 1920}, none, &areas, {24, 0, 1080, 1920}},
    };
    for (const Case& c : cases) {
        const Rect fitted = FitFrameInsideAreas(c.place, c.margins, *c.areas);
        EXPECT_EQ(fitted, c.expected) << c.what << ": " << fitted.top << "," << fitted.left << ","
                                      << fitted.bottom << "," << fitted.right;
    }
    EXPECT_EQ(FitFrameInsideAreas(Rect{5, 5, 9, 9}, frame, {}), (Rect{5, 5, 9, 9})) << "no screens known";
}

class WindowFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPlaces = gPositionPreferences;
        const Rect bounds{100, 100, 300, 400};
        const Str255 title = {4, 'H', 'e', 'l', 'p'};
        window = NewWindowOfClass(kDocumentWindowClass, &bounds, title, 0);
        ASSERT_NE(window, nullptr);
        myHelpWindow = window;
    }
    void TearDown() override {
        myHelpWindow = nullptr;
        myBookmarkWindow = nullptr;
        if (window) DisposeWindow(window);
        gPositionPreferences = savedPlaces;
        gQuitting = false;
    }
    PositionPrefsRecord savedPlaces{};
    WindowPtr window = nullptr;
};

TEST_F(WindowFrames, AWindowMovedOffEveryScreenComesBackAndItsPlaceIsStored) {
    const Rect main = GetAvailableBounds(GetMainDevice());
    MoveWindow(window, SInt16(main.right + 4000), SInt16(main.bottom + 4000), false);
    gPositionPrefsChanged = false;
    DoBoundsChanged(window);
    Rect now{};
    GetWindowRect(window, &now);
    Rect shown{};
    EXPECT_TRUE(SectRect(&now, &main, &shown)) << "back on the main screen";
    EXPECT_EQ(RectWidth(now), 300);
    EXPECT_EQ(GetWindowPlace(gPositionPreferences, kPlaceHelp), now);
    EXPECT_TRUE(gPositionPrefsChanged);

    MoveWindow(window, SInt16(main.left + 20), SInt16(main.top + 30), false);
    DoBoundsChanged(window);
    GetWindowRect(window, &now);
    EXPECT_EQ(GetWindowPlace(gPositionPreferences, kPlaceHelp), now) << "a move on screen is stored as it is";
}

TEST_F(WindowFrames, ClosingWhileQuittingChangesNoSetting) {
    myBookmarkWindow = window;
    myHelpWindow = nullptr;
    for (const bool quitting : {true, false}) {
        gQuitting = quitting;
        SetPref(gThePreferences, kPrefBookmarkWindowOpen, 1);
        gPrefsChanged = false;
        DoGoAway(window);
        EXPECT_EQ(GetPref(gThePreferences, kPrefBookmarkWindowOpen), quitting ? 1 : 0);
        EXPECT_EQ(bool(gPrefsChanged), !quitting);
    }
    EXPECT_EQ(myBookmarkWindow, nullptr) << "closed for good once not quitting";
    window = nullptr; // the bookmark window's closer disposed of it
}

} // namespace
