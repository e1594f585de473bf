// Event-loop timers under the fake clock: firing at their delay and interval, one-shot and "forever"
// timers, late timers firing once instead of in a burst, procedures that remove or install timers, and
// a procedure running a nested loop while other timers go on firing without it being re-entered.
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr EventTimerInterval kTick = kEventDurationSecond / 60;

class Timers : public ::testing::Test {
  protected:
    void SetUp() override { UseFakeClock(5000, 0); }
    void TearDown() override {
        for (EventLoopTimerRef t : installed)
            RemoveEventLoopTimer(t);
        UseRealClock();
    }
    EventLoopTimerRef Install(EventTimerInterval first, EventTimerInterval interval, EventLoopTimerProc proc,
                              void* userData) {
        EventLoopTimerRef timer = nullptr;
        EXPECT_EQ(InstallEventLoopTimer(first, interval, proc, userData, &timer), noErr);
        installed.push_back(timer);
        return timer;
    }
    // Moves the fake clock on and lets the loop handle what fell due.
    void Pass(UInt32 ticks) {
        AdvanceFakeClock(ticks);
        ProcessPendingEvents();
    }

    std::vector<EventLoopTimerRef> installed;
};

void Count(EventLoopTimerRef, void* userData) {
    ++*static_cast<int*>(userData);
}

TEST_F(Timers, FireAfterTheFirstDelayThenAtTheInterval) {
    int fires = 0;
    Install(10 * kTick, 5 * kTick, &Count, &fires);
    // Ticks to pass, and the count of fires after them.
    const std::pair<UInt32, int> steps[] = {{9, 0}, {1, 1}, {4, 1}, {1, 2}, {5, 3}, {5, 4}};
    for (auto [ticks, expected] : steps) {
        Pass(ticks);
        EXPECT_EQ(fires, expected) << "at tick " << TickCount() - 5000;
    }
}

TEST_F(Timers, ALateTimerFiresOnceAndStartsAgainFromNow) {
    int fires = 0;
    Install(5 * kTick, 5 * kTick, &Count, &fires);
    Pass(52); // more than ten intervals late
    EXPECT_EQ(fires, 1);
    Pass(4);
    EXPECT_EQ(fires, 1);
    Pass(1);
    EXPECT_EQ(fires, 2);
}

void RecordDueTime(EventLoopTimerRef timer, void* userData) {
    static_cast<std::vector<UInt64>*>(userData)->push_back(GetEventLoopTimerDueMicroseconds(timer));
}

// Fires that come up to 9 ms late, as a busy loop lets them, keep due times on the exact 1/60 s lattice:
// the sixtieth fire is due one second after the first, not a rounding error per fire later.
TEST_F(Timers, DueTimesOfALateRepeatingTimerKeepTheExactInterval) {
    std::vector<UInt64> due;
    EventLoopTimerRef timer = Install(kTick, kTick, &RecordDueTime, &due);
    EXPECT_EQ(GetEventLoopTimerDueMicroseconds(timer), 0u);
    const UInt64 start = MonotonicMicroseconds();
    for (UInt64 i = 1; i <= 600; ++i) {
        const UInt64 lateness = (i * 7919) % 9000;
        const UInt64 target = start + i * 1'000'000 / 60 + lateness;
        AdvanceFakeClockMicroseconds(target - MonotonicMicroseconds());
        ProcessPendingEvents();
    }
    ASSERT_EQ(due.size(), 600u);
    for (size_t i = 0; i < due.size(); i += 59)
        EXPECT_NEAR(double(due[i] - due[0]), double(i) * 1e6 / 60, 1.0) << "fire " << i;
    EXPECT_EQ(GetEventLoopTimerDueMicroseconds(nullptr), 0u);
}

TEST_F(Timers, OneShotAndForeverTimersWaitToBeRescheduled) {
    int oneShot = 0, forever = 0;
    EventLoopTimerRef once = Install(2 * kTick, 0, &Count, &oneShot);
    EventLoopTimerRef parked = Install(kEventDurationForever, kTick, &Count, &forever);
    Pass(100);
    EXPECT_EQ(oneShot, 1);
    EXPECT_EQ(forever, 0);

    EXPECT_EQ(SetEventLoopTimerNextFireTime(once, 3 * kTick), noErr);
    EXPECT_EQ(SetEventLoopTimerNextFireTime(parked, 0), noErr);
    Pass(0);
    EXPECT_EQ(forever, 1);
    Pass(1);
    EXPECT_EQ(forever, 2); // from then on at its interval
    Pass(2);
    EXPECT_EQ(oneShot, 2);
    EXPECT_EQ(forever, 3); // a late repeating timer fires once per pass, however many ticks it missed

    // Rescheduled to "forever", a repeating timer stops.
    SetEventLoopTimerNextFireTime(parked, kEventDurationForever);
    Pass(10);
    EXPECT_EQ(forever, 3);
}

TEST_F(Timers, RefusesWhatIsNotATimer) {
    EventLoopTimerRef timer = nullptr;
    EXPECT_EQ(InstallEventLoopTimer(0, kTick, nullptr, nullptr, &timer), paramErr);
    int fires = 0;
    ASSERT_EQ(InstallEventLoopTimer(kTick, kTick, &Count, &fires, &timer), noErr);
    EXPECT_EQ(RemoveEventLoopTimer(timer), noErr);
    EXPECT_EQ(RemoveEventLoopTimer(timer), paramErr);
    EXPECT_EQ(SetEventLoopTimerNextFireTime(timer, 0), paramErr);
    Pass(5);
    EXPECT_EQ(fires, 0);
}

// ---- Procedures that change the timer list ----

struct Churn {
    EventLoopTimerRef self = nullptr;
    EventLoopTimerRef victim = nullptr;
    int fires = 0;
    int victimFires = 0;
    int childFires = 0;
    EventLoopTimerRef child = nullptr;
};

void RemoveSelfOnSecond(EventLoopTimerRef timer, void* userData) {
    auto* c = static_cast<Churn*>(userData);
    if (++c->fires == 2) RemoveEventLoopTimer(timer);
}

void CountChurnVictim(EventLoopTimerRef, void* userData) {
    ++static_cast<Churn*>(userData)->victimFires;
}
void CountChurnChild(EventLoopTimerRef, void* userData) {
    ++static_cast<Churn*>(userData)->childFires;
}

// Removes another timer due in the same pass and installs a new one.
void RemoveVictimInstallChild(EventLoopTimerRef, void* userData) {
    auto* c = static_cast<Churn*>(userData);
    ++c->fires;
    if (c->victim) {
        RemoveEventLoopTimer(c->victim);
        c->victim = nullptr;
        InstallEventLoopTimer(kTick, kTick, &CountChurnChild, c, &c->child);
    }
}

TEST_F(Timers, AProcedureMayRemoveItself) {
    Churn churn;
    EventLoopTimerRef t = nullptr;
    ASSERT_EQ(InstallEventLoopTimer(kTick, kTick, &RemoveSelfOnSecond, &churn, &t), noErr);
    for (int i = 0; i < 5; ++i)
        Pass(1);
    EXPECT_EQ(churn.fires, 2);
    EXPECT_EQ(RemoveEventLoopTimer(t), paramErr); // already gone
}

TEST_F(Timers, AProcedureMayRemoveAnotherDueTimerAndInstallNewOnes) {
    Churn churn;
    churn.self = Install(kTick, kTick, &RemoveVictimInstallChild, &churn);
    // Due later in the same pass: the earlier one removes it before its turn.
    EventLoopTimerRef victim = nullptr;
    InstallEventLoopTimer(2 * kTick, kTick, &CountChurnVictim, &churn, &victim);
    churn.victim = victim;
    Pass(2);
    EXPECT_EQ(churn.fires, 1);
    EXPECT_EQ(churn.victimFires, 0);
    EXPECT_EQ(churn.childFires, 0);
    Pass(1);
    EXPECT_EQ(churn.childFires, 1);
    RemoveEventLoopTimer(churn.child);
}

// ---- Nested loops inside a procedure ----

struct Nesting {
    int outerEntries = 0;
    int outerRunning = 0;
    int mostOuterRunningAtOnce = 0;
    int innerFires = 0;
};

// Runs a nested loop (as a modal dialog would) the first time it fires.
void RunNestedLoopOnce(EventLoopTimerRef, void* userData) {
    auto* n = static_cast<Nesting*>(userData);
    ++n->outerEntries;
    ++n->outerRunning;
    n->mostOuterRunningAtOnce = std::max(n->mostOuterRunningAtOnce, n->outerRunning);
    if (n->outerEntries == 1) {
        AdvanceFakeClock(1);
        RunNestedEventLoop();
    }
    --n->outerRunning;
}

// Inside the nested loop: counts, lets a tick pass, and quits the loop on its third fire there.
void FireInsideThenQuit(EventLoopTimerRef, void* userData) {
    auto* n = static_cast<Nesting*>(userData);
    if (NestedEventLoopDepth() == 0) return;
    AdvanceFakeClock(1);
    if (++n->innerFires == 3) QuitNestedEventLoop();
}

TEST_F(Timers, OtherTimersFireInsideANestedLoopThatNeverReentersItsTimer) {
    Nesting n;
    Install(kTick, kTick, &RunNestedLoopOnce, &n); // due every tick: re-entry would be easy
    Install(2 * kTick, kTick, &FireInsideThenQuit, &n);
    Pass(1);
    EXPECT_EQ(n.innerFires, 3);
    EXPECT_EQ(n.mostOuterRunningAtOnce, 1);
    EXPECT_EQ(NestedEventLoopDepth(), 0);

    // Back from its loop, the outer timer fires once for all the ticks it missed, and no more.
    EXPECT_LE(n.outerEntries, 2);
    Pass(0);
    EXPECT_EQ(n.outerEntries, 2);
    Pass(0);
    EXPECT_EQ(n.outerEntries, 2);
}

} // namespace
