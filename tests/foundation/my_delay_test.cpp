// Waiting while the program's timers keep firing, on the fake clock.
#include "foundation/my_delay.h"

#include "platform/clock.h"
#include "platform/timers.h"

#include <gtest/gtest.h>

namespace {

TEST(MyDelay, WaitsTheTicksWhileTimersFire) {
    UseFakeClock(1000, 0);
    int fired = 0;
    EventLoopTimerRef timer = nullptr;
    ASSERT_EQ(InstallEventLoopTimer(
                  1.0 / 60, 1.0 / 60, [](EventLoopTimerRef, void* count) { ++*static_cast<int*>(count); },
                  &fired, &timer),
              noErr);
    UInt32 end = 0;
    MyDelay(6, &end);
    EXPECT_EQ(end, 1006u);
    EXPECT_GE(fired, 5);
    MyDelay(0, &end);
    EXPECT_EQ(end, 1006u) << "no wait at all";
    RemoveEventLoopTimer(timer);
}

} // namespace
