// The turbo drag: while the button stays down after a press in the scrolling text, the distance the
// mouse moved from the press sets the speed and the direction (further up, faster on).
#include "shell/shell_services.h"

#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

#include <algorithm>

TurboSetting TurboSpeedFor(SInt32 distance, SInt32 speed, SInt16 direction) {
    SInt32 s = speed;
    if (direction == 1)
        s = speed + distance;
    else
        s = speed - distance;
    SInt16 d = direction;
    if (s < 0) {
        s = -s;
        d = SInt16(-direction);
    }
    return TurboSetting{SInt16(std::min<SInt32>(s, 32767)), d};
}

void DoApp1Event() {
    if (!GetPref(gThePreferences, kPrefAllowTurbo)) return; // the star field's turbo comes with it
    gPrefsChanged = true;
    // Upward from the press, or downward when the output is flipped top to bottom.
    SInt32 distance = turboloc.v - curEvent.where.v;
    if (GetPref(gThePreferences, kPrefFlip)) distance = -distance;
    const TurboSetting setting = TurboSpeedFor(distance, turbospeed, turbodir);
    if (setting.direction != GetPref(gThePreferences, kPrefScrollDirection)) {
        gLastScrollToHyper = -1;
        gLastReadPositionHyper = -1;
    }
    SetPref(gThePreferences, kPrefScrollSpeed, setting.speed);
    gSaveScrollAmount = setting.speed;
    gWantScrollAmount = setting.speed;
    SetPref(gThePreferences, kPrefScrollDirection, setting.direction);
    gSaveScrollDir = setting.direction;
    gWantScrollDir = setting.direction;
    CalculateScrollDistance();
    UpdateInfoRect(0, 0, 0);
}
