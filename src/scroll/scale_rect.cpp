// Scaling the prompter's layout rectangles from the window size stored with a document to the size the
// prompter has here.
#include "scroll/prompter_window.h"

#include "prefs/prefs_fields.h"
#include "scroll/scroll_engine.h"

void ScaleRect(Rect* rect, double h, double v) {
    if (!rect || EmptyRect(rect)) return;
    const SInt16 width = RectWidth(*rect), height = RectHeight(*rect);
    rect->left = SInt16(rect->left * h);
    rect->right = SInt16(rect->left + width * h);
    rect->top = SInt16(rect->top * v);
    rect->bottom = SInt16(rect->top + height * v);
    if (rect->right == rect->left) ++rect->right;
    if (rect->bottom == rect->top) ++rect->bottom;
}

void ScaleElementsToFit() {
    const SInt16 storedWidth = GetPref(gThePreferences, kPrefStoredPrompterWidth);
    const SInt16 storedHeight = GetPref(gThePreferences, kPrefStoredPrompterHeight);
    if (storedWidth == 0 && storedHeight == 0) return;
    Rect scrolling{};
    GetWindowRectIfScrolling(&scrolling);
    double h = storedWidth ? double(RectWidth(scrolling)) / storedWidth : 0.0;
    double v = storedHeight ? double(RectHeight(scrolling)) / storedHeight : 0.0;
    if (h == 0.0) h = v;
    if (v == 0.0) v = h;
    const PrefRect scaled[] = {kPrefCueRect, kPrefTextBoxRect, kPrefPictureRect, kPrefTextMargins,
                               kPrefPictureCropRect};
    for (PrefRect field : scaled) {
        Rect r = GetPref(gThePreferences, field);
        ScaleRect(&r, h, v);
        SetPref(gThePreferences, field, r);
    }
}

SInt16 MySendControlMessage() {
    return 0;
}
