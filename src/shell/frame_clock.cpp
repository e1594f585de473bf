// Frame ticks from the loop timer's due times. The timer keeps its due times on an exact 1/60 s lattice
// while its fires wander by a millisecond or more; counting ticks of the clock at the fire would pay some
// frames 0 and the next 2 whenever a fire lands near a tick's edge.
#include "shell/frame_clock.h"
#include "foundation/global_lists.h"

UInt64 gLoopTimerDueMicros = 0;

namespace {

// Time is counted in 1/60 microseconds, in which a frame is a whole number.
constexpr UInt64 kUnitsPerMicrosecond = 60;
constexpr UInt64 kUnitsPerFrame = 1'000'000;
// More than this between the count and the clock's ticks means the count lost its way.
constexpr SInt32 kMostTicksApart = 2;

RESETTABLE(bool, counting, false);
RESETTABLE(UInt64, lastDueMicros, 0);
RESETTABLE(UInt32, lastTick, 0);

} // namespace

UInt32 FrameTickForDueTime(UInt64 dueMicros, UInt32 ticksNow) {
    if (counting && dueMicros >= lastDueMicros) {
        const UInt64 units = (dueMicros - lastDueMicros) * kUnitsPerMicrosecond;
        const UInt32 tick = lastTick + UInt32((units + kUnitsPerFrame / 2) / kUnitsPerFrame);
        const SInt32 apart = SInt32(tick - ticksNow);
        if (apart <= kMostTicksApart && apart >= -kMostTicksApart) {
            lastDueMicros = dueMicros;
            lastTick = tick;
            return tick;
        }
    }
    counting = true;
    lastDueMicros = dueMicros;
    lastTick = ticksNow;
    return ticksNow;
}

UInt32 ScrollFrameTick(UInt32 ticksNow) {
    return gLoopTimerDueMicros != 0 ? FrameTickForDueTime(gLoopTimerDueMicros, ticksNow) : ticksNow;
}

void ForgetFrameTicks() {
    counting = false;
}
