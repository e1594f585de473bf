// Speed ramping: each scroll step moves the stored speed and direction towards the wanted ones, slowing
// to a stop before a reversal and speeding up again the other way.
#include "prefs/prefs_fields.h"
#include "scroll/pacing.h"
#include "scroll/scroll_engine.h"
#include "shell/scroll_tick_parts.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

#include <algorithm>

namespace {

constexpr SInt32 kFastestSpeed = 32767;

// Ramp rates above 100 would give a step of 0 or less, and the ramp would then never arrive.
SInt32 RampStep() {
    return std::max<SInt32>(gScrollDif, 1);
}

} // namespace

void RampScrollSpeed() {
    if (!GetPref(gThePreferences, kPrefMomentum)) return;
    SInt32 speed = GetPref(gThePreferences, kPrefScrollSpeed);
    SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
    const SInt32 wanted = std::clamp<SInt32>(gWantScrollAmount, 0, kFastestSpeed);
    if (direction != gWantScrollDir) {
        // A reversal asked for at full speed takes the ramp rate of the settings from here on.
        if (speed == wanted) gScrollDif = SInt16(101 - SInt16(GetPref(gThePreferences, kPrefMomentumAmount)));
        speed -= RampStep();
        // The stop test applies on every step, the first one of a reversal too: the speed stored is never
        // negative, and the text turns as it comes to rest.
        if (speed <= 0) {
            speed = -speed;
            direction = gWantScrollDir;
            gLastScrollToHyper = gLastReadPositionHyper = -1;
        }
    } else if (speed < wanted) {
        speed = std::min(speed + RampStep(), wanted);
    } else if (speed > wanted) {
        speed = std::max(speed - RampStep(), wanted);
    }
    SetPref(gThePreferences, kPrefScrollSpeed, SInt16(std::min(speed, kFastestSpeed)));
    SetPref(gThePreferences, kPrefScrollDirection, direction);
    CalculateScrollDistance();
}
