// The scroll tick under the fake clock on the instructions script: whole-pixel motion without drift, the
// smoothness countdown, exact bookmark stops at bookmarks set in the text with their deferred pause and
// delay, the speed ramp through a reversal, the end of the text and paused calls.
#include "program_fixture.h"

#include "media/media_services.h"
#include "platform/memory.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/scroll_tick.h"
#include "shell/shell.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// A script long enough to scroll tens of thousands of pixels.
std::string LongScript() {
    std::string script;
    for (int line = 0; script.size() < 100'000; ++line)
        script += "Line " + std::to_string(line) + " of a script that is long enough to keep scrolling.\n";
    return script;
}

class ScrollTick : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        home.WriteFile("long.txt", LongScript());
        ASSERT_EQ(OpenDocumentsEvent({home.path() + "/long.txt"}), noErr);
        SetPref(gThePreferences, kPrefMomentum, 0);
        SetPref(gThePreferences, kPrefPauseAtBookmarks, 0);
        SetPref(gThePreferences, kPrefLoopingText, 0);
        SetPref(gThePreferences, kPrefHighlightKind, kHighlightNone);
        SetPref(gThePreferences, kPrefScrollDirection, 1);
        StartScroll(1);
        PauseOff(0);
        UseSmoothness(1);
    }

    void TearDown() override {
        CleanUpBookmarkList(1);
        if (gQueue) DisposeHandle(gQueue), gQueue = nullptr;
        ProgramTest::TearDown();
    }

    // Settings as scrolling would have them from its start at the current tick.
    void UseSmoothness(SInt32 smoothness) {
        SetPref(gThePreferences, kPrefScrollSmoothness, smoothness);
        gTimer = SaveTimertoTimerDelay(smoothness, 1);
        gScrollThis = 0;
        StartScrollTickClock(TickCount());
    }

    // The first line start whose distance from the cue is at least pixels in the direction (negative
    // ahead), with that distance.
    std::pair<SInt32, SInt32> LineAtLeast(SInt32 pixels) {
        for (SInt32 line = 0; line < WECountLines(ScrollWEHandle); ++line) {
            SInt32 offset = 0, end = 0;
            WEGetLineRange(line, &offset, &end, ScrollWEHandle);
            const SInt32 distance = GetScrollDistanceToCharacter(offset);
            if (pixels < 0 ? distance <= pixels : distance >= pixels && distance < pixels + 40)
                return {offset, distance};
        }
        ADD_FAILURE() << "no line " << pixels << " pixels away";
        return {-1, 0};
    }

    // One tick later, one call of the scroll tick; the pixels the text moved (negative on).
    SInt32 Tick() {
        AdvanceFakeClock(1);
        const double before = gScrollCurrentPos;
        DoScrollTick(TickCount());
        return SInt32(std::lround(gScrollCurrentPos - before));
    }
};

TEST_F(ScrollTick, AWholeNumberDistanceMovesTheTextByExactlyThatEveryTick) {
    ASSERT_GT(gScrollExtraHeight, 40'000);
    for (const double distance : {1.0, 3.0, 7.0}) {
        gScrollDistance = distance;
        for (int tick = 0; tick < 300; ++tick)
            ASSERT_EQ(Tick(), -SInt32(distance)) << "tick " << tick << " at " << distance;
        ScrollScrollToBeginning(0);
    }
}

TEST_F(ScrollTick, FractionalDistancesFollowTheAccumulatedDistanceWithoutDrift) {
    for (const double distance : {0.37, 2.71}) {
        ScrollScrollToBeginning(0);
        UseSmoothness(1);
        gScrollDistance = distance;
        SInt64 moved = 0;
        for (int tick = 1; tick <= 10'000; ++tick) {
            const SInt32 step = Tick();
            ASSERT_TRUE(step == -SInt32(distance) || step == -SInt32(distance) - 1)
                << "tick " << tick << " at " << distance << " moved " << step;
            moved += step;
            // The whole pixels moved stay within a pixel of the distance owed (give or take the rounding
            // of the sum of doubles), however long the scroll runs.
            ASSERT_LT(std::abs(double(moved) + tick * distance), 1.0 + 1e-9)
                << "tick " << tick << " at " << distance;
        }
    }
}

TEST_F(ScrollTick, NonFiniteDistancesAndDivisorsOweNothing) {
    const double nan = std::nan("");
    for (const double distance : {nan, HUGE_VAL, -HUGE_VAL}) {
        UseSmoothness(1);
        gScrollDistance = distance;
        EXPECT_EQ(Tick(), 0);
        EXPECT_EQ(gScrollThis, 0.0);
    }
    UseSmoothness(1);
    gScrollDistance = 2.0;
    gSpeedDivisor = 0.0;
    DoScrollTick(TickCount() + 1);
    EXPECT_TRUE(std::isfinite(gScrollThis));
    gSpeedDivisor = 1.0;
}

TEST_F(ScrollTick, SmoothnessSpacesTheStepsAndZeroNeverMoves) {
    gScrollDistance = 1.0;
    UseSmoothness(7);
    std::vector<SInt32> moved;
    for (int tick = 0; tick < 30; ++tick)
        moved.push_back(Tick());
    for (int tick = 0; tick < 30; ++tick)
        EXPECT_EQ(moved[tick], tick % 10 == 9 ? -10 : 0) << "tick " << tick;

    UseSmoothness(0);
    for (int tick = 0; tick < 30; ++tick)
        Tick();
    EXPECT_EQ(gTimer, 0);
    EXPECT_EQ(gScrollThis, 0.0);
}

TEST_F(ScrollTick, TheHighlightLookAheadLeavesTheOwedPixelsAsTheyWere) {
    gScrollDistance = 1.0;
    UseSmoothness(7);
    SetPref(gThePreferences, kPrefHighlightKind, kHighlightWord);
    for (int tick = 0; tick < 9; ++tick) {
        Tick();
        EXPECT_EQ(gScrollThis, 0.0) << "tick " << tick;
    }
    EXPECT_EQ(Tick(), -10);
}

TEST_F(ScrollTick, ABookmarkAheadStopsTheTextExactlyAndPausesThroughSlotZero) {
    SetPref(gThePreferences, kPrefPauseAtBookmarks, 1);
    SetPref(gThePreferences, kPrefSecondsToPause, 3);
    gScrollDistance = 150.0;
    const auto [offset, distance] = LineAtLeast(-30);
    ASSERT_GT(distance, -150);
    SetBookmark(-1, offset, 0);
    EXPECT_EQ(Tick(), distance);
    EXPECT_EQ(GetScrollDistanceToCharacter(offset), 0) << "the bookmark's line stands exactly at the cue";
    EXPECT_EQ(gScrollThis, 0.0);
    EXPECT_EQ(gSavedMid, 133);
    EXPECT_EQ(gSavedMitem, 10);
    EXPECT_EQ(gPausedHere, offset);
    EXPECT_TRUE(gForceBreakUpReset);
    EXPECT_EQ(gDelayScroll, 180);

    breakitup = 5;
    TimerAction();
    EXPECT_EQ(gSavedMid, 0) << "the pause toggle ran from slot 0 on the next call";
    EXPECT_TRUE(IsPaused());

    // Paused at the bookmark, the text resumes by itself after three seconds, and leaves the bookmark.
    for (int tick = 1; tick < 180; ++tick) {
        ASSERT_EQ(Tick(), 0) << "tick " << tick;
        ASSERT_TRUE(IsPaused()) << "tick " << tick;
    }
    Tick();
    EXPECT_FALSE(IsPaused());
    EXPECT_EQ(gDelayScroll, 0);
    EXPECT_EQ(Tick(), -150) << "the bookmark the text paused at does not stop it again";
}

TEST_F(ScrollTick, ABookmarkBeyondThisStepDoesNotStopIt) {
    SetPref(gThePreferences, kPrefPauseAtBookmarks, 1);
    gScrollDistance = 5.0;
    const SInt32 ahead = LineAtLeast(-30).first;
    SetBookmark(-1, ahead, 0);
    EXPECT_EQ(Tick(), -5);
    EXPECT_EQ(gSavedMid, 0);
    ScrollScrollThisMuch(-200, 0);
    SetPref(gThePreferences, kPrefScrollDirection, -1);
    const auto [behind, distance] = LineAtLeast(12);
    SetBookmark(-1, behind, 0);
    SInt32 moved = 0;
    while (gSavedMid == 0 && moved < 100) {
        const SInt32 step = Tick();
        ASSERT_TRUE(step == 5 || gSavedMid == 133) << "moved " << moved;
        moved += step;
    }
    EXPECT_EQ(moved, distance) << "reverse stops exactly too";
    EXPECT_EQ(GetScrollDistanceToCharacter(behind), 0);
}

struct RampCase {
    const char* name;
    SInt16 speed, direction;
    SInt32 wanted;
    SInt16 wantedDirection;
    SInt16 step;
    SInt32 rampRate;
    std::vector<std::pair<SInt16, SInt16>> expected; // speed and direction after each call
};

TEST_F(ScrollTick, TheSpeedRampsThroughAReversalWithoutEverStoringANegativeSpeed) {
    const std::vector<RampCase> cases = {
        {"40 forward to 20 reverse, step 5",
         40,
         1,
         20,
         -1,
         5,
         96,
         {{35, 1},
          {30, 1},
          {25, 1},
          {20, 1},
          {15, 1},
          {10, 1},
          {5, 1},
          {0, -1},
          {5, -1},
          {10, -1},
          {15, -1},
          {20, -1},
          {20, -1}}},
        {"a reversal asked at full speed turns as it stops", 3, 1, 3, -1, 0, 91, {{7, -1}, {3, -1}, {3, -1}}},
        {"no ramp step still arrives", 2, 1, 4, 1, 0, 200, {{3, 1}, {4, 1}, {4, 1}}},
        {"slowing down", 30, -1, 18, -1, 5, 96, {{25, -1}, {20, -1}, {18, -1}}},
    };
    SetPref(gThePreferences, kPrefMomentum, 1);
    SetPref(gThePreferences, kPrefPacingMode, 0);
    for (const RampCase& c : cases) {
        SetPref(gThePreferences, kPrefScrollSpeed, c.speed);
        SetPref(gThePreferences, kPrefScrollDirection, c.direction);
        SetPref(gThePreferences, kPrefMomentumAmount, c.rampRate);
        gWantScrollAmount = c.wanted;
        gWantScrollDir = c.wantedDirection;
        gScrollDif = c.step;
        for (size_t call = 0; call < c.expected.size(); ++call) {
            Tick();
            EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), c.expected[call].first)
                << c.name << ", call " << call;
            EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), c.expected[call].second)
                << c.name << ", call " << call;
        }
        EXPECT_DOUBLE_EQ(gScrollDistance, c.expected.back().first / 60.0) << c.name;
    }
}

TEST_F(ScrollTick, AtTheEndTheTextLoopsToTheOtherEndOrStays) {
    gScrollDistance = 1.0;
    ScrollScrollToEnd(0);
    const double end = gScrollCurrentPos;
    ASSERT_LT(end, 0.0);
    Tick();
    EXPECT_EQ(gScrollCurrentPos, end) << "without looping the text stays at its end";
    EXPECT_EQ(gIScrolled, 0);
    EXPECT_EQ(gScrollThis, 0.0) << "what could not move is not owed on";

    SetPref(gThePreferences, kPrefLoopingText, 1);
    Tick();
    EXPECT_GT(gScrollCurrentPos, end) << "forward looping starts again from the beginning";

    SetPref(gThePreferences, kPrefScrollDirection, -1);
    ScrollScrollToBeginning(0);
    Tick();
    EXPECT_EQ(gScrollCurrentPos, end) << "reverse looping jumps to the end";
}

TEST_F(ScrollTick, PausedCallsNeitherCountDownNorOwePixels) {
    gScrollDistance = 2.0;
    UseSmoothness(7);
    const SInt32 countdown = gTimer;
    PauseOn();
    for (int tick = 0; tick < 50; ++tick)
        Tick();
    EXPECT_EQ(gTimer, countdown);
    EXPECT_EQ(gScrollThis, 0.0);
    PauseOff(0);
    for (int tick = 0; tick < 9; ++tick)
        EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(Tick(), -20) << "ten ticks of motion after the pause, none for the paused ones";
}

TEST_F(ScrollTick, AStartDelayEndsThePauseAfterOneSecondOfCalls) {
    gScrollDistance = 1.0;
    gDelayScroll = 60;
    PauseOn();
    for (int tick = 1; tick < 60; ++tick) {
        Tick();
        ASSERT_TRUE(IsPaused()) << "tick " << tick;
    }
    Tick();
    EXPECT_FALSE(IsPaused());
    EXPECT_EQ(Tick(), -1);
}

TEST_F(ScrollTick, OneTickOfMotionAtMostWhenSkippedTicksAreNotWantedOrTheScrollIsRecorded) {
    gScrollDistance = 2.0;
    for (const bool recording : {false, true}) {
        SetPref(gThePreferences, kPrefNoSkippedTicks, !recording);
        gScrollToFile = recording;
        AdvanceFakeClock(4);
        EXPECT_EQ(Tick(), -2) << "a call five ticks late still moves by one tick's distance";
        EXPECT_EQ(gScrollThis, 0.0);
    }
}

TEST_F(ScrollTick, AtTheEndOfAQueuedScriptItsPauseAndTheNextScriptFollow) {
    constexpr Size kHeader = 780, kElement = 1060;
    gQueue = NewHandleClear(kHeader + 2 * kElement);
    const UInt32 count = 2;
    std::memcpy(*gQueue + 768, &count, 4);
    const SInt16 pauseSeconds = 2, continues = 1;
    std::memcpy(*gQueue + kHeader + 1048, &pauseSeconds, 2);
    std::memcpy(*gQueue + kHeader + 1052, &continues, 2);
    gSelectText = 1;
    gScrollDistance = 1.0;
    ScrollScrollToEnd(0);
    ScrollScrollThisMuch(3, 0);
    for (int tick = 0; tick < 3; ++tick)
        ASSERT_EQ(Tick(), -1);
    EXPECT_FALSE(skiptonext);
    Tick();
    EXPECT_EQ(gDelayScroll, 120);
    EXPECT_TRUE(skiptonext);
    EXPECT_EQ(nexttoskipto, 2);
}

} // namespace

namespace {

// With positions counted from the cue the scroll goes on until the last line has come up to the cue; without,
// it stops when the last line reaches the bottom of the text area.
TEST_F(ScrollTick, TheLastLineComesUpToTheCueOnlyWhenPositionsCountFromTheCue) {
    for (const SInt16 fromCue : {SInt16(0), SInt16(1)}) {
        StopScroll();
        SetPref(gThePreferences, kPrefPositionsFromCue, fromCue);
        StartScroll(1);
        PauseOff(0);
        UseSmoothness(1);
        ScrollScrollToBeginning(0);
        gScrollDistance = 40.0;
        // On until the text has stood still for a while.
        int ticks = 0, still = 0;
        for (; still < 30 && ticks < 20'000; ++ticks)
            still = Tick() == 0 ? still + 1 : 0;
        ASSERT_GT(ticks, 300) << fromCue;
        ASSERT_LT(ticks, 20'000) << fromCue;
        LongPoint last;
        SInt16 lineHeight = 0;
        WEGetPoint(WEGetTextLength(ScrollWEHandle) - 1, 0, &last, &lineHeight, ScrollWEHandle);
        const SInt32 lastBottom = last.v + lineHeight - GetScrollLeadingEdge();
        const SInt32 stop = fromCue ? GetCueScrollRectPosition() : gScrollTextRectHeight;
        EXPECT_NEAR(lastBottom, stop, lineHeight) << (fromCue ? "from the cue" : "from the top");
        if (fromCue) {
            EXPECT_LT(stop + lineHeight, gScrollTextRectHeight) << "the cue stands above the bottom";
        }
    }
}

} // namespace
