// The update dispatcher: a window is redrawn only where it was uncovered, the caller's port is current
// again afterwards, and windows already closed are left alone.
#include "shell/window_update.h"

#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/resources.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "shell/event_handlers.h"
#include "shell/shell_globals.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

class WindowUpdate : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPrefs = gThePreferences;
        myHideWindow = NewCWindow(nullptr, &kPlace, nullptr, false, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(myHideWindow, nullptr);
        InstallWindowHandlers(myHideWindow);
        ShowWindow(myHideWindow);
        ProcessPendingEvents();
    }
    void TearDown() override {
        if (myHideWindow) DisposeWindow(myHideWindow);
        myHideWindow = nullptr;
        gThePreferences = savedPrefs;
    }
    static constexpr Rect kPlace{100, 100, 200, 260};
    static UInt32 At(SInt16 h, SInt16 v) { return GetPortPixel(GetWindowPort(myHideWindow), h, v); }
    static void Fill(const RGBColor& color) {
        GrafPtr saved;
        GetPort(&saved);
        SetPort(GetWindowPort(myHideWindow));
        RGBForeColor(&color);
        const Rect all{0, 0, 100, 160};
        PaintRect(&all);
        SetPort(saved);
    }
    PrefsRecord savedPrefs;
};

TEST_F(WindowUpdate, OnlyTheUncoveredPartIsRedrawnInTheColourOfNow) {
    Fill(kRedRGB);
    SetPref(gThePreferences, kPrefHideBackgroundColor, kBlueRGB);
    const Rect uncovered{10, 20, 30, 60};
    InvalWindowRect(myHideWindow, &uncovered);
    ProcessPendingEvents();
    EXPECT_EQ(At(20, 10), kBluePixel);
    EXPECT_EQ(At(59, 29), kBluePixel);
    EXPECT_EQ(At(60, 29), kRedPixel) << "outside the uncovered part nothing is drawn";
    EXPECT_EQ(At(5, 5), kRedPixel);

    // The colour changed in the preferences is the one the next update uses.
    SetPref(gThePreferences, kPrefHideBackgroundColor, kGreenRGB);
    InvalWindowRect(myHideWindow, &uncovered);
    ProcessPendingEvents();
    EXPECT_EQ(At(30, 20), kGreenPixel);
}

TEST_F(WindowUpdate, TheCallersPortIsCurrentAgainAndClosedWindowsAreIgnored) {
    TestWorld world(10, 10);
    GrafPtr before;
    GetPort(&before);
    Fill(kRedRGB);
    SetPref(gThePreferences, kPrefHideBackgroundColor, kBlueRGB);
    DoUpdate(myHideWindow); // outside an update event the whole window is drawn
    EXPECT_EQ(At(5, 5), kBluePixel);
    EXPECT_EQ(At(150, 90), kBluePixel);
    GrafPtr after;
    GetPort(&after);
    EXPECT_EQ(after, before);

    WindowPtr stranger = NewCWindow(nullptr, &kPlace, nullptr, false, 0, kFirstWindowOfClass, false, 0);
    Fill(kRedRGB);
    DoUpdate(stranger);
    DoUpdate(nullptr);
    GetPort(&after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(At(5, 5), kRedPixel);
    DisposeWindow(stranger);
}

} // namespace
