// The timer under the fake clock: a deferred command runs only on the round robin's slot 0, a quit ends the
// event loop on the following turn of that slot, nothing is asked or run while a save question is up, and
// the script is measured again after a quiet spell, and the smoothness calibration counts failed seconds
// (a stored smoothness of 0 read as 1).
#include "program_fixture.h"

#include "foundation/word_line_arrays.h"
#include "shell/commands.h"
#include "shell/shell.h"

namespace {

TEST_F(ProgramTest, ADeferredQuitCommandRunsOnSlotZeroAndTheLoopEndsOnTheNextTurn) {
    Start();
    breakitup = 1;
    gSavedMid = kFileMenuID;
    gSavedMitem = kQuitItem;
    for (int call = 1; call < kRoundRobinSlots; ++call) {
        TimerAction();
        EXPECT_EQ(gSavedMid, kFileMenuID) << "call " << call << " is not slot 0";
    }
    TimerAction(); // slot 0: the command runs, which asks to quit
    EXPECT_EQ(gSavedMid, 0);
    EXPECT_TRUE(gQuitting);
    EXPECT_FALSE(IsApplicationEventLoopQuitPending()) << "the quit waits for slot 0 to come round";
    for (int call = 1; call < kRoundRobinSlots; ++call)
        TimerAction();
    EXPECT_FALSE(IsApplicationEventLoopQuitPending());
    TimerAction();
    EXPECT_TRUE(IsApplicationEventLoopQuitPending());
}

TEST_F(ProgramTest, AForcedResetRunsSlotZeroOnTheNextCall) {
    Start();
    breakitup = 7;
    gQuitting = true;
    gForceBreakUpReset = true;
    TimerAction();
    EXPECT_TRUE(IsApplicationEventLoopQuitPending());
    EXPECT_EQ(breakitup, 1);
    EXPECT_FALSE(gForceBreakUpReset);
}

TEST_F(ProgramTest, NothingIsAskedOrRunWhileASaveQuestionIsUp) {
    Start();
    gSaveQuestionUp = true;
    gQuitting = true;
    gSavedMid = kFileMenuID;
    gSavedMitem = kQuitItem;
    for (int call = 0; call < 2 * kRoundRobinSlots; ++call)
        TimerAction();
    EXPECT_FALSE(IsApplicationEventLoopQuitPending());
    EXPECT_EQ(gSavedMid, kFileMenuID);
    gSaveQuestionUp = false;
    for (int call = 0; call < kRoundRobinSlots; ++call)
        TimerAction();
    EXPECT_TRUE(IsApplicationEventLoopQuitPending());
}

TEST_F(ProgramTest, TheScriptIsMeasuredAgainOnlyWhenTheQuietSpellAfterTypingEnds) {
    Start();
    gTotalWords = 0;
    gWaitToUpdateWordCount = 3;
    TimerAction();
    TimerAction();
    EXPECT_EQ(gTotalWords, 0);
    TimerAction();
    EXPECT_GT(gTotalWords, 100) << "the instructions have well over a hundred words";
    EXPECT_GT(gTotalLines, 10);
}

// The per-second figures of a calibrated second, and whether it counts as a failure.
struct CalibrationCase {
    SInt32 smoothness;
    SInt32 tickCount;
    SInt32 loopCount;
    SInt32 scrolls;
    bool fails;
};

class SmoothnessCalibration : public ProgramTest, public ::testing::WithParamInterface<CalibrationCase> {};

TEST_P(SmoothnessCalibration, CountsASecondWithTooFewStepsAsFailed) {
    const CalibrationCase c = GetParam();
    SetPref(gThePreferences, kPrefScrollSmoothness, c.smoothness);
    gAutoScrollMode = true;
    gAutoScrollCount = 10;
    gAutoFailCount = 0;
    gThisTick = c.tickCount;
    thisloop = c.loopCount;
    thisscroll = c.scrolls;
    DoOncePerSecond(TickCount());
    gAutoScrollMode = false;
    EXPECT_EQ(gAutoFailCount, c.fails ? 1 : 0);
    EXPECT_EQ(gAutoScrollCount, 9);
    EXPECT_TRUE(gPrefsChanged);
    EXPECT_EQ(gTickCounter, c.tickCount);
    EXPECT_EQ(thisloop, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, SmoothnessCalibration,
    ::testing::Values(
        // Smoothness 0 is the finest setting, one step per tick: 60 expected of a full second.
        CalibrationCase{0, 60, 60, 58, true}, CalibrationCase{0, 60, 60, 59, false},
        CalibrationCase{1, 60, 60, 58, true},
        // Every second tick: 30 expected, one short is allowed.
        CalibrationCase{2, 60, 60, 29, false}, CalibrationCase{2, 60, 60, 28, true},
        // More calls than ticks: the ticks counted are the measure.
        CalibrationCase{3, 45, 50, 14, false}, CalibrationCase{3, 45, 50, 13, true},
        // Once a second at 12: never fails; above 15 nothing is tested.
        CalibrationCase{12, 60, 60, 0, false}, CalibrationCase{16, 60, 60, 0, false}));

TEST_F(ProgramTest, FiveFailedSecondsMoveTheCalibrationToTheNextCoarserSmoothness) {
    SetPref(gThePreferences, kPrefScrollSmoothness, 0);
    gAutoScrollMode = true;
    gAutoScrollCount = 10;
    gAutoFailCount = 0;
    for (int second = 0; second < 5; ++second) {
        gThisTick = 60;
        thisloop = 60;
        thisscroll = 10;
        DoOncePerSecond(TickCount());
    }
    gAutoScrollMode = false;
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSmoothness), 2) << "0 read as 1, then one coarser";
    EXPECT_EQ(gAutoFailCount, 0);
    EXPECT_EQ(gAutoScrollCount, 22);
}

} // namespace
