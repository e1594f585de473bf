// The rectangle the prompter will have while scrolling: full screen over the screens it touches, a set
// screen size, or its own content, less the strips it shows.
#include "scroll/scroll_engine.h"

#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"

namespace {

Rect GlobalContent() {
    Rect r{};
    if (myScrollWindow) GetWindowBounds(myScrollWindow, kWindowContentRgn, &r);
    return r;
}

Rect WindowScreen() {
    Rect global = GlobalContent();
    return GetDeviceBounds(myScrollWindow ? GetMaxDevice(&global) : GetMainDevice());
}

// The rectangle chosen from the record alone: set screen size, full screen or the stored scrolling place.
Rect ChooseScrollingRect(bool lessScrollBarForLookUp, SInt16* count, Rect* rects) {
    const PrefsRecord& p = gThePreferences;
    const bool setSize = GetPref(p, kPrefSetScreenSize) != 0;
    if (count) *count = 0;
    if (!GetPref(p, kPrefFullScreen)) {
        const Rect stored = GetWindowPlace(gPositionPreferences, kPlacePrompterScrolling);
        Rect screens{}, common{};
        GetAllScreensBounds(&screens);
        if (setSize && !EmptyRect(&stored) && SectRect(&stored, &screens, &common)) return stored;
        return myScrollWindow ? GlobalContent() : WindowScreen();
    }
    if (!setSize) {
        Rect lookUp = myScrollWindow ? GlobalContent() : WindowScreen();
        if (lessScrollBarForLookUp) lookUp.right -= kScrollBarStrip;
        Rect total{};
        GetTotalDeviceRectForRect(&lookUp, &total, count, rects);
        return total;
    }
    const SInt32 width = GetPref(p, kPrefScreenWidth), height = GetPref(p, kPrefScreenHeight);
    if (width > 0 && height > 0 && width <= 32767 && height <= 32767)
        return Rect{0, 0, SInt16(height), SInt16(width)};
    return WindowScreen();
}

} // namespace

void GetWindowRectIfScrolling(Rect* out, SInt16* count, Rect* rects) {
    if (!out) return;
    const PrefsRecord& p = gThePreferences;
    SInt16 found = 0;
    Rect r = ChooseScrollingRect(true, &found, rects);
    if (count) *count = found;
    if (!GetPref(p, kPrefFullScreen) || GetPref(p, kPrefKeepScrollBar)) r.right -= kScrollBarStrip;
    if (GetPref(p, kPrefShowInformation)) r.bottom -= kInfoStrip;
    const SInt16 rotation = GetPref(p, kPrefRotation);
    r = RotateRect(nullptr, r, rotation, 1);
    const SInt16 dh = SInt16(-r.left), dv = SInt16(-r.top);
    OffsetRect(&r, dh, dv);
    for (SInt16 i = 0; rects && i < found; ++i) {
        rects[i] = RotateRect(nullptr, rects[i], rotation, 1);
        OffsetRect(&rects[i], dh, dv);
    }
    *out = r;
}

void GetWindowBoundsIfScrolling(Rect* out) {
    if (!out) return;
    Rect r = ChooseScrollingRect(false, nullptr, nullptr);
    OffsetRect(&r, SInt16(-r.left), SInt16(-r.top));
    *out = r;
}
