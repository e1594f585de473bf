// Whether the prompter's output needs offscreen worlds: every transformed or layered output is composed
// offscreen first.
#include "scroll/window_settings.h"

#include "platform/geometry.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"

namespace {

constexpr SInt16 kPlainTextColorStyle = 1;

// A background picture under the text has to be composed with it.
bool PictureMeetsText() {
    Rect common{};
    return gThePicture && SectRect(&gPictureRect, &gScrollTextRect, &common);
}

} // namespace

bool RequiresOffscreens() {
    const PrefsRecord& p = gThePreferences;
    return PictureMeetsText() || GetPref(p, kPrefMirror) || GetPref(p, kPrefFlip) ||
           GetPref(p, kPrefRotation) || GetPref(p, kPrefTextFlowsInShape) ||
           GetPref(p, kPrefBackgroundKind) || GetPref(p, kPrefTextColorStyle) != kPlainTextColorStyle ||
           GetPref(p, kPrefTextRectBackStyle) != 0 || GetPref(p, kPrefOverlaysOn);
}
