// The prompter's layout rectangles as mirrored or flipped output shows them: mirrored while scrolling,
// their own values kept aside and put back when scrolling ends.
#include "shell/offscreen_worlds.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_engine.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"

namespace {

Rect sScrollTextRect, sPictureRect, sgPictureRect, sInfoRect, sCueRect;

bool InfoStripShown() {
    return GetPref(gThePreferences, kPrefShowInformation) != 0;
}

// A rectangle of the turned output mirrored as the output shows it: turned upright, mirrored, turned
// back. Doing it twice gives the rectangle back.
Rect TurnedMirror(Rect r, const Rect& frame, SInt16 rotation, SInt16 width, SInt16 height, bool mirror,
                  bool flip) {
    if (rotation) r = RotateRect(&frame, r, SInt16(-rotation), 1);
    r = MirrorRectInSize(r, width, height, mirror, flip);
    if (rotation) r = RotateRect(&frame, r, rotation, 1);
    return r;
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
        for (Rect& r : turned)
            r = TurnedMirror(r, frame, rotation, width, height, mirror, flip);
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

void SetShownLayoutRect(SInt16 which, const Rect& shown) {
    const PrefRect field = which == kShownTextBox   ? kPrefTextBoxRect
                           : which == kShownPicture ? kPrefPictureRect
                                                    : kPrefCueRect;
    SetPref(gThePreferences, field, shown);
    if (which == kShownPicture) gPictureRect = shown;
    Rect own = shown;
    if (isflipped) {
        Rect scrolling{};
        GetWindowRectIfScrolling(&scrolling);
        const SInt16 width = RectWidth(scrolling);
        const SInt16 height = SInt16(RectHeight(scrolling) + (InfoStripShown() ? kInfoStrip : 0));
        const bool mirror = GetPref(gThePreferences, kPrefMirror) != 0;
        const bool flip = GetPref(gThePreferences, kPrefFlip) != 0;
        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        const SInt16 rotation = GetPref(gThePreferences, kPrefRotation);
        own = which == kShownCue ? MirrorRectInSize(shown, width, height, mirror, flip)
                                 : TurnedMirror(shown, frame, rotation, width, height, mirror, flip);
        if (which == kShownTextBox) sScrollTextRect = own;
        if (which == kShownPicture) sPictureRect = sgPictureRect = own;
        if (which == kShownCue) sCueRect = own;
    }
    // The scroll's start copies are put back when the settings change while scrolling: they follow too.
    if (!gScrollOn) return;
    if (which == kShownTextBox) gScrollStartScrollingRect = own;
    if (which == kShownPicture) gScrollStartPictureRect = own;
    if (which == kShownCue) gScrollStartRectCue = own;
}
