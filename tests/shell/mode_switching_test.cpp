// The mode switches' state table, their guards, and suspending a transformed scroll.
#include "shell/mode_switching.h"

#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "shell/loop_timer.h"
#include "shell/shell_globals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr EventTimerInterval kUntouched = -1;

class ModeSwitching : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = gThePreferences;
        SetPref(gThePreferences, kPrefFullScreen, 0);
        SetPref(gThePreferences, kPrefAllowTextMerge, 0);
        SetPref(gThePreferences, kPrefOverlaysOn, 0);
        gScrollOn = 0;
        gEditOn = 1;
        gScrollSuspended = 0;
        gTextHasMerged = gHypertextHasDisplayed = gTextHasFlowed = false;
    }
    void TearDown() override {
        StopScroll();
        RemoveLoopTimer();
        FreeScrollBackups();
        if (myTextResource) DisposeHandle(myTextResource);
        myTextResource = nullptr;
        gScrollSuspended = 0;
        gTextHasMerged = false;
        gThePreferences = saved;
    }
    static Handle TextHandle(const std::string& text) {
        Handle h = NewHandle(Size(text.size()));
        std::memcpy(*h, text.data(), text.size());
        return h;
    }
    static std::string TextOf(Handle h) { return std::string(*h, size_t(GetHandleSize(h))); }
    PrefsRecord saved;
};

enum Call { kStartScroll1, kStartScroll3, kStopScroll, kStartEdit, kStopEdit };

void Perform(Call call) {
    switch (call) {
    case kStartScroll1:
        return StartScroll(1);
    case kStartScroll3:
        return StartScroll(3);
    case kStopScroll:
        return StopScroll();
    case kStartEdit:
        return StartEdit();
    case kStopEdit:
        return StopEdit();
    }
}

TEST_F(ModeSwitching, StateTable) {
    struct {
        const char* name;
        Call reach[2];
        int reachCount;
        Call call;
        SInt16 scrollOn, editOn;
        EventTimerInterval interval;
    } cases[] = {
        {"edit, start scroll 1", {}, 0, kStartScroll1, 1, 0, kScrollTimerInterval},
        {"edit, stop edit", {}, 0, kStopEdit, 1, 0, kScrollTimerInterval},
        {"edit, start scroll 3", {}, 0, kStartScroll3, 3, 1, kScrollTimerInterval},
        {"scrolling 1, start scroll 3: mode only", {kStartScroll1}, 1, kStartScroll3, 3, 0, kUntouched},
        {"scrolling 3, start scroll 1: mode only", {kStartScroll3}, 1, kStartScroll1, 1, 1, kUntouched},
        {"scrolling 1, stop", {kStartScroll1}, 1, kStopScroll, 0, 1, kEditTimerInterval},
        {"scrolling 3, stop", {kStartScroll3}, 1, kStopScroll, 0, 1, kEditTimerInterval},
        {"scrolling 1, start edit", {kStartScroll1}, 1, kStartEdit, 0, 1, kEditTimerInterval},
        {"scrolling 3 from edit, start edit: unchanged", {kStartScroll3}, 1, kStartEdit, 3, 1, kUntouched},
        {"scrolling 3 from scrolling 1, start edit",
         {kStartScroll1, kStartScroll3},
         2,
         kStartEdit,
         0,
         1,
         kEditTimerInterval},
        {"edit, stop scroll: the timer still goes to the edit rate",
         {},
         0,
         kStopScroll,
         0,
         1,
         kEditTimerInterval},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (int i = 0; i < c.reachCount; ++i)
            Perform(c.reach[i]);
        gModeTimerInterval = kUntouched;
        Perform(c.call);
        EXPECT_EQ(gScrollOn, c.scrollOn);
        EXPECT_EQ(gEditOn, c.editOn);
        EXPECT_EQ(gModeTimerInterval, c.interval);
        EXPECT_EQ(gTheTimer != nullptr, true);
        StopScroll();
    }
}

TEST_F(ModeSwitching, ModeChangeWhileScrollingTakesNoBackups) {
    StartScroll(1);
    SetPref(gThePreferences, kPrefAllowTextMerge, 1);
    myTextResource = TextHandle("Dear NAME");
    StartScroll(3);
    EXPECT_EQ(gBackupMyTextResource, nullptr);
}

TEST_F(ModeSwitching, SuspendAndResumeInEditModeDoNothing) {
    gModeTimerInterval = kUntouched;
    SuspendScroll();
    EXPECT_EQ(gScrollSuspended, 0);
    ResumeScroll();
    EXPECT_EQ(gScrollSuspended, 0);
    EXPECT_EQ(gModeTimerInterval, kUntouched);
}

TEST_F(ModeSwitching, NestedSuspensionsShowTheOwnTextUntilTheOuterResume) {
    SetPref(gThePreferences, kPrefAllowTextMerge, 1);
    myTextResource = TextHandle("Dear NAME");
    StartScroll(1);
    ASSERT_NE(gBackupMyTextResource, nullptr);
    // What a merge leaves behind: the working text changed, the copy keeps the user's.
    DisposeHandle(myTextResource);
    myTextResource = TextHandle("Dear Ann");
    gTextHasMerged = true;

    SuspendScroll();
    EXPECT_EQ(TextOf(myTextResource), "Dear NAME");
    EXPECT_EQ(gModeTimerInterval, kEditTimerInterval);
    SuspendScroll();
    EXPECT_EQ(gScrollSuspended, 2);
    ResumeScroll();
    EXPECT_EQ(gScrollSuspended, 1);
    EXPECT_EQ(gBackupMyTextResource, nullptr) << "the inner resume rebuilt the merge";
    EXPECT_EQ(gModeTimerInterval, kEditTimerInterval);
    ResumeScroll();
    EXPECT_EQ(gScrollSuspended, 0);
    EXPECT_NE(gBackupMyTextResource, nullptr) << "the outer resume takes fresh copies before merging";
    EXPECT_EQ(gModeTimerInterval, kScrollTimerInterval);
}

TEST_F(ModeSwitching, StopGivesBackTheOwnTextOfAMergedScroll) {
    SetPref(gThePreferences, kPrefAllowTextMerge, 1);
    myTextResource = TextHandle("Dear NAME");
    StartScroll(1);
    DisposeHandle(myTextResource);
    myTextResource = TextHandle("Dear Ann");
    gTextHasMerged = true;
    StopScroll();
    EXPECT_EQ(TextOf(myTextResource), "Dear NAME");
    EXPECT_FALSE(gTextHasMerged);
    EXPECT_EQ(gBackupMyTextResource, nullptr);
}

TEST_F(ModeSwitching, NoTransformationWithoutACompleteBackup) {
    myTextResource = TextHandle("Dear NAME");
    FailNextAllocations(1);
    EXPECT_FALSE(MakeScrollBackups());
    EXPECT_EQ(gBackupMyTextResource, nullptr);
    FailNextAllocations(0);
    EXPECT_TRUE(MakeScrollBackups());
    EXPECT_EQ(TextOf(gBackupMyTextResource), "Dear NAME");
}

} // namespace
