// Which screens a rectangle lies on: the union of the screens it touches, the main screen standing in for
// a rectangle on none, and the area of all screens together; display modes switched and restored, and
// the prompter brought back when its screen goes, on two fake screens.
#include "scroll/screens.h"

#include "platform/geometry.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/screens.h"
#include "platform/windows.h"
#include "scroll/display_modes.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

Rect Moved(Rect r, int dh, int dv) {
    OffsetRect(&r, SInt16(dh), SInt16(dv));
    return r;
}

TEST(Screens, ARectangleFindsTheScreensItTouchesOrTheMainScreen) {
    const Rect main = GetDeviceBounds(GetMainDevice());
    ASSERT_FALSE(EmptyRect(&main));
    const SInt16 width = SInt16(main.right - main.left), height = SInt16(main.bottom - main.top);
    struct Case {
        const char* what;
        Rect global;
        bool within;
    };
    const Case cases[] = {
        {"inside",
         Rect{SInt16(main.top + 10), SInt16(main.left + 10), SInt16(main.top + 50), SInt16(main.left + 80)},
         true},
        {"over the right edge", Moved(main, width - 5, 0), true},
        {"wholly to the right", Moved(main, width + 100, 0), false},
        {"wholly above", Moved(main, 0, -height - 100), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRectWithinADeviceRect(&c.global), c.within) << c.what;
        Rect total{};
        SInt16 count = 0;
        Rect rects[kMaxScreenRects] = {};
        // One screen here: the main one, found or standing in for none.
        EXPECT_TRUE(GetTotalDeviceRectForRect(&c.global, &total, &count, rects)) << c.what;
        EXPECT_EQ(count, 1) << c.what;
        EXPECT_TRUE(EqualRect(&total, &main)) << c.what;
        EXPECT_TRUE(EqualRect(&rects[0], &main)) << c.what;
    }
}

TEST(Screens, NoRectangleAndNoOutputsAreSafe) {
    EXPECT_FALSE(IsRectWithinADeviceRect(nullptr));
    const Rect main = GetDeviceBounds(GetMainDevice());
    EXPECT_TRUE(GetTotalDeviceRectForRect(nullptr, nullptr, nullptr, nullptr));
    Rect total{};
    GetTotalDeviceRectForRect(&main, &total, nullptr, nullptr);
    EXPECT_TRUE(EqualRect(&total, &main));
    GetAllScreensBounds(nullptr);
}

TEST(Screens, AllScreensCoverTheAvailableAreaOfEachScreen) {
    Rect all{};
    GetAllScreensBounds(&all);
    const Rect available = GetAvailableBounds(GetMainDevice());
    Rect common{};
    ASSERT_TRUE(SectRect(&all, &available, &common));
    EXPECT_TRUE(EqualRect(&common, &available)) << "the main screen's available area lies within";
}

} // namespace

// ---- Two fake screens side by side, the second taken away mid-way ----

namespace {

const Rect kLeft{0, 0, 800, 1280};
const Rect kRight{0, 1280, 800, 2560};
const DisplayMode kNative{1280, 800, 32, 60, kModeSafe};
const DisplayMode kSmall{1024, 768, 32, 60, kModeSafe};
const DisplayMode kSmallFast{1024, 768, 32, 75, kModeSafe | kModeStretched};
const DisplayMode kTiny{800, 600, 16, 60, kModeSafe};

class TwoScreens : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UseFakeScreens({kLeft, kRight}, {kNative, kSmall, kSmallFast, kTiny});
        ForgetScreenMode();
        left = GetDeviceList();
        right = GetNextDevice(left);
        ASSERT_NE(right, nullptr);
    }
    void TearDown() override {
        PrompterFixture::TearDown();
        ForgetScreenMode();
        EndFakeScreens();
    }
    static DisplayMode Current(GDHandle device) {
        DisplayMode mode{};
        GetCurrentDisplayMode(device, &mode);
        return mode;
    }
    GDHandle left = nullptr, right = nullptr;
};

TEST_F(TwoScreens, RectanglesFindTheirScreensBeforeAndAfterTheSecondGoes) {
    struct Case {
        const char* what;
        Rect r;
        bool within;
        int device; // 0 left, 1 right
        Rect total;
        bool mainAmong;
    };
    const Rect both{0, 0, 800, 2560};
    const Case withTwo[] = {
        {"on the left", {100, 100, 200, 300}, true, 0, kLeft, true},
        {"on the right", {100, 1400, 200, 1600}, true, 1, kRight, false},
        {"across, centre on the right", {100, 1200, 200, 1400}, true, 1, both, true},
        {"below both", {900, 0, 1000, 100}, false, 0, kLeft, true},
    };
    const Case withOne[] = {
        {"on the right", {100, 1400, 200, 1600}, false, 0, kLeft, true},
        {"across", {100, 1200, 200, 1400}, true, 0, kLeft, true},
    };
    auto check = [&](const Case& c) {
        Rect overlap{};
        EXPECT_EQ(IsRectWithinADeviceRect(&c.r, &overlap), c.within) << c.what;
        EXPECT_EQ(GetRectDevice(&c.r), c.device ? right : left) << c.what;
        Rect total{};
        EXPECT_EQ(GetTotalDeviceRectForRect(&c.r, &total, nullptr, nullptr), c.mainAmong) << c.what;
        EXPECT_TRUE(EqualRect(&total, &c.total)) << c.what;
    };
    for (const Case& c : withTwo)
        check(c);
    RemoveFakeScreen(1);
    EXPECT_EQ(GetNextDevice(left), nullptr);
    for (const Case& c : withOne)
        check(c);
}

TEST_F(TwoScreens, ModesSwitchOnlyWhenAskedAndTheFirstModeIsRestored) {
    struct Step {
        const char* what;
        int device;
        SInt16 action;
        DisplayMode asked;
        DisplayMode leftAfter, rightAfter;
        bool set;
    };
    const Step steps[] = {
        {"the present mode asked for", 0, kModeSwitchOnce, kNative, kNative, kNative, false},
        {"restore with nothing set", 0, kModeRestore, {}, kNative, kNative, false},
        {"a listed mode", 0, kModeSwitchOnce, kSmall, kSmall, kNative, true},
        {"switch once while set", 0, kModeSwitchOnce, kTiny, kSmall, kNative, true},
        {"switch again", 0, kModeSwitchAgain, kTiny, kTiny, kNative, true},
        {"restore: the mode before the first switch", 0, kModeRestore, {}, kNative, kNative, false},
        {"no exact match: the closest of that size",
         0,
         kModeSwitchOnce,
         {1024, 768, 32, 70, kModeSafe},
         kSmallFast,
         kNative,
         true},
        {"the prompter moved to the right screen", 1, kModeSwitchAgain, kTiny, kNative, kTiny, true},
        {"restore reaches the screen switched", 1, kModeRestore, {}, kNative, kNative, false},
    };
    for (const Step& s : steps) {
        SInt32 values[5] = {s.asked.width, s.asked.height, s.asked.bitsPerPixel, s.asked.refreshRate,
                            s.asked.options};
        ChangeScreenResolution(s.device ? right : left, values, s.action);
        EXPECT_EQ(Current(left), s.leftAfter) << s.what;
        EXPECT_EQ(Current(right), s.rightAfter) << s.what;
        EXPECT_EQ(ScreenModeIsSet(), s.set) << s.what;
    }
    SInt32 query[5] = {};
    ChangeScreenResolution(left, query, kModeQuery);
    EXPECT_EQ((DisplayMode{query[0], query[1], query[2], query[3], query[4]}), kNative);
}

TEST_F(TwoScreens, AScreenUnpluggedWithItsModeSetIsNotSwitchedBack) {
    SInt32 values[5] = {kTiny.width, kTiny.height, kTiny.bitsPerPixel, kTiny.refreshRate, kTiny.options};
    ChangeScreenResolution(right, values, kModeSwitchOnce);
    ASSERT_TRUE(ScreenModeIsSet());
    RemoveFakeScreen(1);
    PrompterScreensChanged();
    EXPECT_FALSE(ScreenModeIsSet());
    const int before = CountDisplayModeSwitches();
    ChangeScreenResolution(right, nullptr, kModeRestore);
    EXPECT_EQ(CountDisplayModeSwitches(), before);
}

TEST_F(TwoScreens, AFullScreenPrompterComesBackWhenItsScreenGoes) {
    UsePlainOutput();
    SetPref(gThePreferences, kPrefKeepScrollBar, 1);
    OpenAt(Rect{100, 1400, 600, 2200});
    ASSERT_EQ(myScrollDevice, right);
    SetScrollWindowToFullScreen(false);
    Rect global{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &global);
    EXPECT_TRUE(EqualRect(&global, &kRight)) << "full screen on the second screen only";
    RemoveFakeScreen(1); // reports the change, as unplugging does
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &global);
    EXPECT_TRUE(EqualRect(&global, &kLeft)) << global.left << "," << global.top;
    EXPECT_EQ(myScrollDevice, left);
    EXPECT_TRUE(gIsFullScreen);
}

TEST_F(TwoScreens, TheModeListAndMenuFollowTheScreensModes) {
    MenuRef menu = nullptr;
    ASSERT_EQ(CreateNewMenu(377, 0, &menu), noErr);
    SInt16 count = 0;
    Handle list = AddScreenSizesToMenu(menu, left, 0, nullptr, true, &count);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(GetHandleSize(list), 4 * kScreenSizeRecordSize);
    SInt32 mode = 0, width = 0, height = 0, bits = 0, refresh = 0, options = 0;
    ASSERT_TRUE(GetWidthHeightFromScreenSizeList(list, 2, &mode, &width, &height, &bits, &refresh, &options));
    EXPECT_EQ((DisplayMode{width, height, bits, refresh, options}), kSmallFast);
    EXPECT_EQ(mode, MyDisplayBestModeForParameters(left, width, height, bits, refresh, options));
    EXPECT_FALSE(
        GetWidthHeightFromScreenSizeList(list, 4, &mode, nullptr, nullptr, nullptr, nullptr, nullptr));
    ASSERT_EQ(CountMenuItems(menu), 4);
    Str255 text;
    GetMenuItemText(menu, 3, text);
    EXPECT_EQ(std::string(PStringView(text)), "1024x768-32-75 (stretched)");
    DisposeHandle(list);
    DisposeMenu(menu);
}

TEST_F(TwoScreens, AListThatCannotGrowKeepsItsRecordsAndWritesNoMore) {
    Handle list = NewHandle(kScreenSizeRecordSize);
    ASSERT_NE(list, nullptr);
    const SInt32 kept[6] = {9, 1, 2, 3, 4, 5};
    std::memcpy(*list, kept, sizeof kept);
    SInt16 count = 0;
    // A locked block cannot move, so it cannot grow past the room it has.
    HLock(list);
    Handle same = AddScreenSizesToMenu(nullptr, left, 0, list, true, &count);
    HUnlock(list);
    EXPECT_EQ(same, list);
    EXPECT_EQ(count, 4) << "every mode is still walked";
    EXPECT_EQ(GetHandleSize(list), kScreenSizeRecordSize);
    EXPECT_EQ(std::memcmp(*list, kept, sizeof kept), 0);
    DisposeHandle(list);
}

} // namespace
