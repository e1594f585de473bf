// Ticks and date-time from the system clocks, or from the fake clock of tests.
#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

// Fake time counts in units of 1/60,000,000 s, so that both ticks and microseconds add up exactly.
constexpr UInt64 kUnitsPerTick = 1'000'000;
constexpr UInt64 kUnitsPerMicrosecond = 60;
constexpr UInt64 kUnitsPerSecond = 60'000'000;

bool gFakeClock = false;
UInt64 gFakeUnits = 0;
UInt32 gFakeDateTimeBase = 0;
UInt64 gFakeUnitsAtDateTimeBase = 0;
// Tick values count from the first time the clock is read, so they stay small and wrap late.
const auto gClockStart = std::chrono::steady_clock::now();

} // namespace

UInt64 MonotonicMicroseconds() {
    if (gFakeClock) return gFakeUnits / kUnitsPerMicrosecond;
    auto elapsed = std::chrono::steady_clock::now() - gClockStart;
    return UInt64(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

UInt32 TickCount() {
    if (gFakeClock) return UInt32(gFakeUnits / kUnitsPerTick);
    return UInt32(MonotonicMicroseconds() * 60 / 1000000);
}

UInt32 CurrentDateTime() {
    if (gFakeClock)
        return UInt32(gFakeDateTimeBase + (gFakeUnits - gFakeUnitsAtDateTimeBase) / kUnitsPerSecond);
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
    gFakeUnits = UInt64(ticks) * kUnitsPerTick;
    gFakeDateTimeBase = dateTime;
    gFakeUnitsAtDateTimeBase = gFakeUnits;
}

void AdvanceFakeClock(UInt32 ticks) {
    gFakeUnits += UInt64(ticks) * kUnitsPerTick;
}
void AdvanceFakeClockMicroseconds(UInt64 microseconds) {
    gFakeUnits += microseconds * kUnitsPerMicrosecond;
}

void UseRealClock() {
    gFakeClock = false;
}
bool IsClockFake() {
    return gFakeClock;
}
