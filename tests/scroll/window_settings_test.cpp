// The output needs offscreen worlds exactly when it is mirrored, flipped, turned, layered on a background
// or carries overlays.
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/window_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowSettings, TransformedOrLayeredOutputRequiresOffscreens) {
    struct Case {
        const char* what;
        PrefShort field;
        SInt16 value;
        bool offscreens;
    };
    const Case cases[] = {
        {"plain", kPrefMirror, 0, false},
        {"mirrored", kPrefMirror, 1, true},
        {"flipped", kPrefFlip, 1, true},
        {"turned left", kPrefRotation, -1, true},
        {"turned right", kPrefRotation, 1, true},
        {"a background", kPrefBackgroundKind, 2, true},
        {"overlays", kPrefOverlaysOn, 1, true},
        {"a highlight only", kPrefHighlightKind, kHighlightWord, false},
    };
    for (const Case& c : cases) {
        for (PrefShort field : {kPrefMirror, kPrefFlip, kPrefRotation, kPrefBackgroundKind, kPrefOverlaysOn})
            SetPref(gThePreferences, field, 0);
        SetPref(gThePreferences, c.field, c.value);
        EXPECT_EQ(RequiresOffscreens(), c.offscreens) << c.what;
    }
}

} // namespace
