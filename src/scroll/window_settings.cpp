// Whether the prompter's output needs offscreen worlds: every transformed or layered output is composed
// offscreen first.
#include "scroll/window_settings.h"

#include "prefs/prefs_fields.h"

bool RequiresOffscreens() {
    const PrefsRecord& p = gThePreferences;
    return GetPref(p, kPrefMirror) || GetPref(p, kPrefFlip) || GetPref(p, kPrefRotation) ||
           GetPref(p, kPrefBackgroundKind) || GetPref(p, kPrefOverlaysOn);
}
