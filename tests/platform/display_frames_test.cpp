// Timers that follow the display's frames, under the fake clock and a fake display: the choice of pacing
// where there is no display, one fire per frame at the frame's own time however the frames wander, a
// timer slower than the display, the hand-over to the timer's own clock when the frames stop and back.
#include "platform/clock.h"
#include "platform/display_frames.h"
#include "platform/events.h"
#include "platform/timers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr UInt64 kFrame = 16'667; // a 60 Hz display

struct Fire {
    UInt64 at = 0;  // the clock when the procedure ran
    UInt64 due = 0; // the due time the timer reported
};

void Record(EventLoopTimerRef timer, void* userData) {
    static_cast<std::vector<Fire>*>(userData)->push_back(
        Fire{MonotonicMicroseconds(), GetEventLoopTimerDueMicroseconds(timer)});
}

class DisplayFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        UseFakeClock(5000, 0);
        UseFakeDisplayFrames(kFrame);
    }
    void TearDown() override {
        if (timer) RemoveEventLoopTimer(timer);
        UseFakeDisplayFrames(0);
        UseRealClock();
    }
    void Follow(EventTimerInterval interval, bool follows = true) {
        ASSERT_EQ(InstallEventLoopTimer(interval, interval, &Record, &fires, &timer), noErr);
        ASSERT_EQ(SetEventLoopTimerFollowsDisplay(timer, follows), noErr);
    }
    // Moves the clock to `micros` a millisecond at a time, letting the loop fire what falls due.
    void RunTo(UInt64 micros) {
        while (MonotonicMicroseconds() < micros) {
            const UInt64 step = std::min<UInt64>(1000, micros - MonotonicMicroseconds());
            AdvanceFakeClockMicroseconds(step);
            ProcessPendingEvents();
        }
    }
    // The display begins frame `msc` at `micros`.
    void Frame(UInt64 msc, UInt64 micros) {
        RunTo(micros);
        DeliverFakeDisplayFrame(msc, micros);
        ProcessPendingEvents();
    }
    // Whole frames between consecutive due times, as the scroll pays them.
    std::vector<long> FramesBetweenFires() const {
        std::vector<long> frames;
        for (size_t i = 1; i < fires.size(); ++i)
            frames.push_back(std::lround(double(fires[i].due - fires[i - 1].due) / (1e6 / 60)));
        return frames;
    }

    EventLoopTimerRef timer = nullptr;
    std::vector<Fire> fires;
};

FramePacingChoice gToldChoice;
int gTold = 0;

void TellChoice(const FramePacingChoice& choice) {
    gToldChoice = choice;
    ++gTold;
}

TEST(FramePacing, WithoutAnXServerTheTimerPacesAndSaysWhy) {
    UseFakeDisplayFrames(0);
    // Asked without waiting, the answer comes at once: there is no display to look at.
    gTold = 0;
    ChooseFramePacingSoon(&TellChoice);
    EXPECT_EQ(gTold, 1);
    EXPECT_EQ(gToldChoice.pacing, FramePacing::kPreciseTimer);
    const FramePacingChoice choice = ChooseFramePacing();
    EXPECT_STREQ(choice.reason, gToldChoice.reason);
    EXPECT_EQ(choice.pacing, FramePacing::kPreciseTimer);
    EXPECT_STRNE(choice.reason, "");
    // Asked again, the same answer: the log line is said once and the timers never change their clock.
    EXPECT_EQ(ChooseFramePacing().reason, choice.reason);
}

// Frames that come up to 1.2 ms early or late (a virtual display times them by its own timer) each fire
// the timer once, at the frame's time; the timer never stands in for a frame that came.
TEST_F(DisplayFrames, EachFrameFiresOnceAtItsOwnTimeHoweverItWanders) {
    const SInt64 wander[] = {0, 900, -800, 1200, -1200, 300, 0, -500, 1100, -1000};
    Follow(kEventDurationSecond / 60);
    const UInt64 start = MonotonicMicroseconds();
    std::vector<UInt64> frameTimes;
    for (int msc = 1; msc <= 60; ++msc) {
        const UInt64 at = UInt64(SInt64(start + UInt64(msc) * kFrame) + wander[msc % 10]);
        frameTimes.push_back(at);
        Frame(UInt64(msc), at);
    }
    ASSERT_EQ(fires.size(), frameTimes.size());
    for (size_t i = 0; i < fires.size(); ++i) {
        EXPECT_EQ(fires[i].due, frameTimes[i]) << "fire " << i;
        EXPECT_EQ(fires[i].at, frameTimes[i]) << "fire " << i;
    }
    for (long frames : FramesBetweenFires())
        EXPECT_EQ(frames, 1);
    EXPECT_TRUE(IsDisplayFrameWanted());
}

// A timer slower than the display fires on the frames nearest its interval; one no slower fires on each.
TEST_F(DisplayFrames, ATimerSlowerThanTheDisplayFiresOnEveryFewFrames) {
    struct Case {
        UInt64 framePeriod;
        EventTimerInterval interval;
        int framesPerFire;
    };
    const Case cases[] = {
        {kFrame, kEventDurationSecond / 60, 1},
        {kFrame, kEventDurationSecond / 30, 2},
        {8'333, kEventDurationSecond / 60, 2}, // a 120 Hz display
        {5'556, kEventDurationSecond / 60, 3}, // 180 Hz
    };
    for (const Case& c : cases) {
        UseFakeDisplayFrames(c.framePeriod);
        fires.clear();
        Follow(c.interval);
        const UInt64 start = MonotonicMicroseconds();
        std::vector<UInt64> frameTimes;
        for (UInt64 msc = 1; msc <= 60; ++msc) {
            frameTimes.push_back(start + msc * c.framePeriod);
            Frame(msc, frameTimes.back());
        }
        ASSERT_GE(fires.size(), 2u) << "period " << c.framePeriod;
        for (size_t i = 1; i < fires.size(); ++i)
            EXPECT_EQ(fires[i].due - fires[i - 1].due, UInt64(c.framesPerFire) * c.framePeriod)
                << "period " << c.framePeriod << ", fire " << i;
        RemoveEventLoopTimer(timer);
        timer = nullptr;
    }
}

// The counter stalls (the display went to sleep, the window moved to a screen that is off): half an
// interval after a frame was due the timer stands in for it, keeps its own clock on the frames' lattice,
// and gives way to the frames when they come again. Every fire pays exactly one frame, never 0 then 2.
TEST_F(DisplayFrames, AStalledCounterHandsOverToTheTimerAndBackOneFrameAtATime) {
    Follow(kEventDurationSecond / 60);
    const UInt64 start = MonotonicMicroseconds();
    UInt64 msc = 0;
    for (; msc < 10; ++msc)
        Frame(msc + 1, start + (msc + 1) * kFrame);
    const UInt64 lastFrame = start + msc * kFrame;
    const size_t byFrames = fires.size();
    // No frame for a third of a second.
    RunTo(lastFrame + 20 * kFrame + kFrame / 4);
    ASSERT_GE(fires.size(), byFrames + 19);
    // The timer's own interval is 16,666 us and a fraction.
    EXPECT_NEAR(double(fires[byFrames].due), double(lastFrame + kFrame), 1);
    EXPECT_GE(fires[byFrames].at, fires[byFrames].due + kFrame / 2 - 1);
    EXPECT_LE(fires[byFrames].at, fires[byFrames].due + kFrame / 2 + 1000);
    // The frames come back, off the timer's lattice by a third of a frame.
    const UInt64 back = lastFrame + 21 * kFrame + kFrame / 3;
    for (int i = 0; i < 10; ++i)
        Frame(msc + 21 + UInt64(i), back + UInt64(i) * kFrame);
    EXPECT_EQ(fires.back().due, back + 9 * kFrame);
    for (long frames : FramesBetweenFires())
        EXPECT_EQ(frames, 1);
}

// Frames are asked for only while a timer follows the display; an ordinary timer keeps its own clock.
TEST_F(DisplayFrames, OnlyTimersThatFollowTheDisplayTakeItsFrames) {
    Follow(kEventDurationSecond / 60, false);
    EXPECT_FALSE(IsDisplayFrameWanted());
    const UInt64 start = MonotonicMicroseconds();
    // Frames a third of a frame after the timer's own due times do not move it.
    for (UInt64 msc = 1; msc <= 30; ++msc)
        Frame(msc, start + msc * kFrame + kFrame / 3 + kFrame);
    ASSERT_GE(fires.size(), 25u);
    for (size_t i = 1; i < fires.size(); ++i)
        EXPECT_NEAR(double(fires[i].due - fires[i - 1].due), 1e6 / 60, 1) << "fire " << i;
    ASSERT_EQ(SetEventLoopTimerFollowsDisplay(timer, true), noErr);
    EXPECT_TRUE(IsDisplayFrameWanted());
    RemoveEventLoopTimer(timer);
    timer = nullptr;
    // The frame asked for comes; with no timer to follow it, no other is asked for.
    DeliverFakeDisplayFrame(100, MonotonicMicroseconds());
    EXPECT_FALSE(IsDisplayFrameWanted());
}

} // namespace
