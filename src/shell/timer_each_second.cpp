// The timer's once-a-second jobs: the cursor hidden while prompting, the per-second figures, and the
// smoothness calibration that coarsens the smoothness until the machine keeps up with it.
#include "shell/periodic_timer.h"

#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "scroll/info_strip.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kWarmUpCount = 20;
constexpr SInt16 kFailuresBeforeCoarser = 5;
constexpr SInt32 kFinestSmoothness = 1;
constexpr SInt32 kLastTestedSmoothness = 12;
constexpr SInt32 kCoarsestSmoothness = 15;
// Ticks between scroll steps at smoothness 1 to 12.
constexpr SInt32 kStepDelays[kLastTestedSmoothness] = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};

// A second fails when the text moved less often than the smoothness asks (one step of slack).
void TestSecond(SInt32 smoothness) {
    const SInt32 calls = gLoopCount <= gTickCounter ? 60 : gTickCounter;
    const SInt32 expected = calls / kStepDelays[smoothness - 1];
    if (gScrollsPerSecond < expected - 1) ++gAutoFailCount;
}

void CalibrateSmoothness() {
    if (gAutoScrollCount > kWarmUpCount) {
        --gAutoScrollCount;
        gPrefsChanged = true;
        return;
    }
    const SInt32 smoothness = StoredSmoothness();
    if (smoothness > kLastTestedSmoothness && smoothness <= kCoarsestSmoothness) {
        StopScroll();
    } else if (smoothness >= kFinestSmoothness && smoothness <= kLastTestedSmoothness) {
        TestSecond(smoothness);
    }
    if (gAutoFailCount >= kFailuresBeforeCoarser) {
        gAutoFailCount = 0;
        gAutoScrollCount = kWarmUpCount + 2;
        SetPref(gThePreferences, kPrefScrollSmoothness, smoothness + 1);
    } else if (--gAutoScrollCount <= 0) {
        StopScroll();
    }
    gPrefsChanged = true;
}

} // namespace

SInt32 StoredSmoothness() {
    const SInt32 smoothness = GetPref(gThePreferences, kPrefScrollSmoothness);
    return smoothness == 0 ? kFinestSmoothness : smoothness;
}

void DoOncePerSecond(UInt32 now) {
    if (gScrollOn == kScrollOn && !IsPaused()) ObscureCursor();
    gLoopCount = thisloop;
    gScrollsPerSecond = thisscroll;
    gTickCounter = gThisTick;
    thisloop = gThisTick = thisscroll = 0;
    gCurrentTick = now;
    if (gAutoScrollMode) CalibrateSmoothness();
    // The strip's times and states change by themselves; only the strip is drawn again, never the text.
    if (myScrollWindow)
        DrawInfoRect(GetPref(gThePreferences, kPrefShowInformation), 1,
                     GetPref(gThePreferences, kPrefInfoShowsTimes));
}
