// The prompter's layout rectangles as mirrored or flipped output shows them: mirrored while scrolling,
// their own values kept aside and put back when scrolling ends.
#include "shell/offscreen_worlds.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_engine.h"

bool isflipped = false;

namespace {

Rect sScrollTextRect, sPictureRect, sgPictureRect, sInfoRect, sCueRect;

bool InfoStripShown() {
    return GetPref(gThePreferences, kPrefShowInformation) != 0;
}

} // namespace

Rect MirrorRectInSize(const Rect& r, SInt16 width, SInt16 height, bool mirror, bool flip) {
    Rect out = r;
    if (mirror) {
        out.left = SInt16(width - r.right);
        out.right = SInt16(width - r.left);
    }
    if (flip) {
        out.top = SInt16(height - r.bottom);
        out.bottom = SInt16(height - r.top);
    }
    return out;
}

void FlipScreenRects(SInt16 on) {
    if (!on) {
        if (!isflipped) return;
        SetPref(gThePreferences, kPrefTextBoxRect, sScrollTextRect);
        SetPref(gThePreferences, kPrefPictureRect, sPictureRect);
        gPictureRect = sgPictureRect;
        gInfoRect = sInfoRect;
        SetPref(gThePreferences, kPrefCueRect, sCueRect);
        isflipped = false;
        return;
    }
    // Saving again while mirrored would keep the mirrored values as the rectangles' own, and they would
    // reach the stored preferences when scrolling ends.
    if (isflipped) return;
    Rect scrolling{};
    GetWindowRectIfScrolling(&scrolling);
    const SInt16 width = RectWidth(scrolling);
    const SInt16 height = SInt16(RectHeight(scrolling) + (InfoStripShown() ? kInfoStrip : 0));
    sScrollTextRect = GetPref(gThePreferences, kPrefTextBoxRect);
    sPictureRect = GetPref(gThePreferences, kPrefPictureRect);
    sgPictureRect = gPictureRect;
    sInfoRect = gInfoRect;
    sCueRect = GetPref(gThePreferences, kPrefCueRect);
    const bool mirror = GetPref(gThePreferences, kPrefMirror) != 0;
    const bool flip = GetPref(gThePreferences, kPrefFlip) != 0;
    if (mirror || flip) {
        const SInt16 rotation = GetPref(gThePreferences, kPrefRotation);
        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        Rect turned[4] = {sScrollTextRect, sPictureRect, sgPictureRect, sInfoRect};
        for (Rect& r : turned) {
            if (rotation) r = RotateRect(&frame, r, SInt16(-rotation), 1);
            r = MirrorRectInSize(r, width, height, mirror, flip);
            if (rotation) r = RotateRect(&frame, r, rotation, 1);
        }
        SetPref(gThePreferences, kPrefTextBoxRect, turned[0]);
        SetPref(gThePreferences, kPrefPictureRect, turned[1]);
        gPictureRect = turned[2];
        gInfoRect = turned[3];
        SetPref(gThePreferences, kPrefCueRect, MirrorRectInSize(sCueRect, width, height, mirror, flip));
    }
    isflipped = true;
}

void FlipThisRect(Rect* rect) {
    if (!rect) return;
    const SInt16 width = RectWidth(gScrollTextRect);
    const SInt16 height = SInt16(RectHeight(gScrollTextRect) + (InfoStripShown() ? kInfoStrip : 0));
    *rect = MirrorRectInSize(*rect, width, height, GetPref(gThePreferences, kPrefMirror) != 0,
                             GetPref(gThePreferences, kPrefFlip) != 0);
}
