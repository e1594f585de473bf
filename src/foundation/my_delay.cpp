// The delay loop that keeps prompting going while it waits.
#include "foundation/my_delay.h"

#include "platform/clock.h"
#include "platform/events.h"
#include "shell/shell.h"

void MyDelay(UInt32 ticks, UInt32* endTicks) {
    const UInt32 start = TickCount();
    UInt32 last = start;
    TimerAction();
    while (TickCount() - start < ticks) {
        // One tick of waiting on the event loop: input, drawing and timers are handled meanwhile.
        Delay(1, nullptr);
        const UInt32 now = TickCount();
        if (now != last) {
            last = now;
            TimerAction();
        }
    }
    if (endTicks) *endTicks = TickCount();
}
