// Ticks and date-time from the system clocks, or from the fake clock of tests.
#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

bool gFakeClock = false;
UInt32 gFakeTicks = 0;
UInt32 gFakeDateTime = 0;
UInt32 gFakeSubsecondTicks = 0;  // ticks not yet counted into the fake date-time
// Tick values count from the first time the clock is read, so they stay small and wrap late.
const auto gClockStart = std::chrono::steady_clock::now();

}  // namespace

UInt64 MonotonicMicroseconds() {
    auto elapsed = std::chrono::steady_clock::now() - gClockStart;
    return UInt64(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

UInt32 TickCount() {
    if (gFakeClock) return gFakeTicks;
    return UInt32(MonotonicMicroseconds() * 60 / 1000000);
}

UInt32 CurrentDateTime() {
    if (gFakeClock) return gFakeDateTime;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Seconds east of UTC, so the count reads as local time the way the program shows it.
    return UInt32(SInt64(now) + local.tm_gmtoff + kSecondsFrom1904To1970);
}

void GetDateTime(UInt32* secs) {
    if (secs) *secs = CurrentDateTime();
}

void UseFakeClock(UInt32 ticks, UInt32 dateTime) {
    gFakeClock = true;
    gFakeTicks = ticks;
    gFakeDateTime = dateTime;
    gFakeSubsecondTicks = 0;
}

void AdvanceFakeClock(UInt32 ticks) {
    gFakeTicks += ticks;
    // The date-time keeps pace: one second per 60 ticks.
    gFakeSubsecondTicks += ticks % 60;
    gFakeDateTime += ticks / 60 + gFakeSubsecondTicks / 60;
    gFakeSubsecondTicks %= 60;
}

void UseRealClock() { gFakeClock = false; }
bool IsClockFake() { return gFakeClock; }
