// The output needs offscreen worlds exactly when it is mirrored, flipped, turned, shaped, layered on a
// background, coloured or backed other than plainly, or carries overlays.
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"
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
        {"text in a shape", kPrefTextFlowsInShape, 1, true},
        {"plain text colour", kPrefTextColorStyle, 1, false},
        {"a text colour style", kPrefTextColorStyle, 3, true},
        {"a backed text rect", kPrefTextRectBackStyle, 2, true},
    };
    for (const Case& c : cases) {
        for (PrefShort field : {kPrefMirror, kPrefFlip, kPrefRotation, kPrefBackgroundKind, kPrefOverlaysOn,
                                kPrefTextFlowsInShape, kPrefTextRectBackStyle})
            SetPref(gThePreferences, field, 0);
        SetPref(gThePreferences, kPrefTextColorStyle, 1);
        SetPref(gThePreferences, c.field, c.value);
        EXPECT_EQ(RequiresOffscreens(), c.offscreens) << c.what;
    }
}

TEST(WindowSettings, APictureRequiresOffscreensOnlyWhereItMeetsTheText) {
    gScrollTextRect = Rect{0, 0, 400, 600};
    Handle picture = NewHandle(16);
    gThePicture = reinterpret_cast<PicHandle>(picture);
    gPictureRect = Rect{100, 100, 200, 200};
    EXPECT_TRUE(RequiresOffscreens());
    gPictureRect = Rect{400, 600, 500, 700};
    EXPECT_FALSE(RequiresOffscreens()) << "beside the text";
    gThePicture = nullptr;
    DisposeHandle(picture);
}

} // namespace
