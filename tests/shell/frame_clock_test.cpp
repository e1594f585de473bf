// Frame ticks from the loop timer's due times: one frame per fire however late within a frame the fire
// comes, the frames a skipped or rescheduled fire leaves out, and a fresh start when the count and the
// clock's ticks part.
#include "shell/frame_clock.h"

#include "platform/clock.h"
#include "platform/display_frames.h"
#include "platform/events.h"
#include "platform/timers.h"
#include "shell/loop_timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr double kFrameMicros = 1e6 / 60;

UInt64 DueOfFrame(UInt64 first, int frame) {
    return first + UInt64(frame * kFrameMicros);
}

UInt32 TicksAt(UInt64 micros) {
    return UInt32(micros * 60 / 1'000'000);
}

// Due times on the lattice, fired up to 3 ms late, with the lattice 1.5 ms before the edges of the clock's
// ticks: the ticks of the clock at the fires pay some frames 0 and the next 2, the frame ticks 1 every time.
TEST(FrameClock, FiresThatWanderAroundATickEdgeMoveOneFrameEach) {
    ForgetFrameTicks();
    const UInt64 first = 10'000'000 - 1'500; // 10 s is on a tick edge
    UInt32 lastFrame = FrameTickForDueTime(first, TicksAt(first));
    UInt32 lastClock = TicksAt(first);
    int clockJudders = 0;
    for (int frame = 1; frame <= 1200; ++frame) {
        const UInt64 due = DueOfFrame(first, frame);
        const UInt64 fired = due + UInt64((frame * 7919) % 3000);
        const UInt32 tick = FrameTickForDueTime(due, TicksAt(fired));
        ASSERT_EQ(tick - lastFrame, 1u) << "frame " << frame;
        lastFrame = tick;
        if (TicksAt(fired) - lastClock != 1) ++clockJudders;
        lastClock = TicksAt(fired);
    }
    EXPECT_GT(clockJudders, 100) << "the fixture no longer shows what counting the clock's ticks does";
}

struct FrameStep {
    const char* what;
    SInt64 dueOffsetMicros;  // from the previous due time
    SInt32 ticksNowFromLast; // TickCount at the fire, from the previous frame tick
    SInt32 expectedAdvance;  // from the previous frame tick
};

TEST(FrameClock, GapsReschedulesAndLostCounts) {
    const FrameStep steps[] = {
        {"one frame", 16'667, 1, 1},
        {"a skipped fire pays both frames", 33'333, 2, 2},
        {"a fire rescheduled 1.4 frames on", 23'333, 1, 1},
        {"a fire rescheduled 1.6 frames on", 26'667, 2, 2},
        {"the clock's ticks one ahead of the count", 16'667, 2, 1},
        {"a second fire of the same due time", 0, 1, 0},
        // The count starts again from the clock's ticks.
        {"a due time before the last one", -16'667, 1, 1},
        {"the clock ran on far ahead of the count", 16'667, 41, 41},
    };
    ForgetFrameTicks();
    UInt64 due = 50'000'000;
    UInt32 tick = FrameTickForDueTime(due, 3000);
    ASSERT_EQ(tick, 3000u) << "the first count starts from the clock's ticks";
    for (const FrameStep& step : steps) {
        due = UInt64(SInt64(due) + step.dueOffsetMicros);
        const UInt32 answer = FrameTickForDueTime(due, tick + UInt32(step.ticksNowFromLast));
        EXPECT_EQ(SInt32(answer - tick), step.expectedAdvance) << step.what;
        tick = answer;
    }
}

// The frame tick of each fire of a timer that follows the display, as the loop timer hands it to the step.
void RecordFrameTick(EventLoopTimerRef timer, void* ticks) {
    static_cast<std::vector<UInt32>*>(ticks)->push_back(
        FrameTickForDueTime(GetEventLoopTimerDueMicroseconds(timer), TickCount()));
}

// Display frames that wander by a millisecond, stop for half a second (the timer stands in) and come back
// off the timer's lattice: every fire is one frame on from the one before, never 0 and then 2.
TEST(FrameClock, DisplayFramesThatWanderStallAndComeBackMoveOneFrameEachFire) {
    constexpr UInt64 kFrame = 16'667;
    UseFakeClock(7000, 0);
    UseFakeDisplayFrames(kFrame);
    ForgetFrameTicks();
    std::vector<UInt32> ticks;
    EventLoopTimerRef timer = nullptr;
    ASSERT_EQ(
        InstallEventLoopTimer(kScrollTimerInterval, kScrollTimerInterval, &RecordFrameTick, &ticks, &timer),
        noErr);
    SetEventLoopTimerFollowsDisplay(timer, true);
    auto runTo = [](UInt64 micros) {
        while (MonotonicMicroseconds() < micros) {
            AdvanceFakeClockMicroseconds(std::min<UInt64>(1000, micros - MonotonicMicroseconds()));
            ProcessPendingEvents();
        }
    };
    const SInt64 wander[] = {1100, -900, 0, 700, -1200};
    const UInt64 start = MonotonicMicroseconds();
    UInt64 msc = 1;
    auto frames = [&](UInt64 from, int count) {
        for (int i = 0; i < count; ++i, ++msc) {
            const UInt64 at = UInt64(SInt64(from + UInt64(i) * kFrame) + wander[msc % 5]);
            runTo(at);
            DeliverFakeDisplayFrame(msc, at);
        }
    };
    frames(start + kFrame, 120);
    const UInt64 stalledAt = MonotonicMicroseconds();
    runTo(stalledAt + 30 * kFrame);
    frames(stalledAt + 30 * kFrame + kFrame / 3, 120);
    RemoveEventLoopTimer(timer);
    UseFakeDisplayFrames(0);
    UseRealClock();
    ASSERT_GE(ticks.size(), 260u);
    for (size_t i = 1; i < ticks.size(); ++i)
        ASSERT_EQ(SInt32(ticks[i] - ticks[i - 1]), 1) << "fire " << i;
}

// The scroll's timer follows the display where start-up chose its frames; the slower edit timer does not.
TEST(FrameClock, TheScrollTimerFollowsTheDisplayAndTheEditTimerDoesNot) {
    UseFakeClock(7000, 0);
    UseFakeDisplayFrames(16'667);
    InstallLoopTimer(kEditTimerInterval);
    EXPECT_FALSE(IsDisplayFrameWanted());
    InstallLoopTimer(kScrollTimerInterval);
    EXPECT_TRUE(IsDisplayFrameWanted());
    RemoveLoopTimer();
    UseFakeDisplayFrames(0);
    UseRealClock();
}

TEST(FrameClock, OutsideAFireTheClocksTicksAreUsed) {
    gLoopTimerDueMicros = 0;
    EXPECT_EQ(ScrollFrameTick(1234), 1234u);
}

} // namespace
