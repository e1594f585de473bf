// What follows a new size of the prompter window: the worlds, the mirrored rectangles and the text box;
// and the size stored with a document brought back onto a screen.
#include "scroll/prompter_window.h"

#include "foundation/rect_fitting.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/window_settings.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"

void ShortNewScrollWindowSize(SInt16, SInt16) {
    if (!myScrollWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myScrollWindow));
    PlaceScrollVerticalScrollRect();
    if (gScrollOn && RequiresOffscreens()) {
        if (gOffscreenScrollWindow)
            CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
        else
            CreateOffscreenWindows();
        FlipScreenRects(1);
    }
    if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
    gCueSpotChanged = true;
    if (!GetPref(gThePreferences, kPrefScrollInCapitals) && !gScrollingInAllCAPS) {
        MoveScrollTextBox();
    } else {
        CreateScrollTextBox();
        PutScrollTextInBox(true);
    }
    MeasureScriptText();
    SetPort(saved);
    if (myEditWindow && GetPref(gThePreferences, kPrefEditFollowsPrompterLines)) SetEditWindowTextRect();
    // A move of one pixel there and back makes the text engine draw the whole text again.
    const SInt32 first = gScrollCurrentPos == 0 ? 1 : -1;
    ScrollScrollThisMuch(first, 0);
    ScrollScrollThisMuch(-first, 0);
}

void NewScrollWindowSize(SInt16 width, SInt16 height) {
    if (gScrollOn) FlipScreenRects(0);
    ShortNewScrollWindowSize(width, height);
}

namespace {

void RebuildAtCurrentSize() {
    const Rect content = GetScrollWindowContent();
    NewScrollWindowSize(RectWidth(content), RectHeight(content));
}

} // namespace

void SetScrollWindowBackColor() {
    if (!myScrollWindow) return;
    const Rect content = GetScrollWindowContent();
    InvalWindowRect(myScrollWindow, &content);
    RebuildAtCurrentSize();
    UpdateScrollWindow();
}

void ResetScreenIfScrolling() {
    if (!gScrollOn || !myScrollWindow) return;
    FlipScreenRects(0);
    RebuildAtCurrentSize();
}

SInt16 RestoreScrollWindowSize(SInt16 width, SInt16 height, bool fit) {
    if (!myScrollWindow || width <= 0 || height <= 0) return 0;
    gUpdateWindowBounds = 90;
    SizeWindow(myScrollWindow, width, height, false);
    Rect structure{};
    GetWindowBounds(myScrollWindow, kWindowStructureRgn, &structure);
    const GDHandle device = GetMaxDevice(&structure);
    const bool onMain = device == GetMainDevice();
    const SInt16 lowestTop = SInt16(GetMenuBarHeight() + 20);
    Rect r{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &r);
    if (onMain && structure.top < lowestTop) OffsetRect(&r, 0, SInt16(lowestTop - structure.top));
    const Rect d = GetDeviceBounds(device);
    if (r.right > d.right) OffsetRect(&r, SInt16(d.right - r.right), 0);
    if (r.left < d.left) OffsetRect(&r, SInt16(d.left - r.left), 0);
    if (r.bottom > d.bottom) OffsetRect(&r, 0, SInt16(d.bottom - r.bottom));
    if (r.top < d.top) OffsetRect(&r, 0, SInt16(d.top - r.top));
    if (onMain && r.top < lowestTop) OffsetRect(&r, 0, SInt16(lowestTop - r.top));
    const bool fullScreen = GetPref(gThePreferences, kPrefFullScreen) != 0;
    const bool screenSized = width == RectWidth(d) && height == RectHeight(d);
    SInt16 kept = 1;
    if (!(fullScreen && screenSized) && fit && (r.right > d.right || r.bottom > d.bottom)) {
        Rect frame = d;
        if (onMain && !fullScreen) frame.bottom = SInt16(frame.bottom - lowestTop);
        r = Rect{0, 0, height, width};
        FitRectToRect(&r, &frame, 0, kFitTopLeft);
        kept = 0;
    }
    SizeWindow(myScrollWindow, RectWidth(r), RectHeight(r), true);
    MoveWindow(myScrollWindow, r.left, r.top, false);
    SetWindowPlace(gPositionPreferences, kPlacePrompter, r);
    gPositionPrefsChanged = true;
    NewScrollWindowSize(RectWidth(r), RectHeight(r));
    return kept;
}
