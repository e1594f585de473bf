// The prompter over the whole of the screens it touches, frameless, and back to its stored place.
#include "scroll/prompter_window.h"

#include "foundation/menu_bar_and_menus.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"
#include "scroll/window_settings.h"
#include "shell/window_frames.h"

SInt16 SetScrollWindowToFullScreen(bool hideMenuBar) {
    if (!myScrollWindow) return 0;
    WindowPtr front = FrontNonFloatingWindow();
    Rect global{}, screens{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &global);
    const bool mainAmong = GetTotalDeviceRectForRect(&global, &screens, nullptr, nullptr);
    if (gIsFullScreen) {
        const Rect content = GetScrollWindowContent();
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
    } else {
        gInhibitBoundChanged = true;
        gUpdateWindowBounds = 90;
        // Unless the scroll bar stays, the window reaches 16 pixels past the screens' right edge so that
        // the bar is out of sight.
        const SInt16 width =
            SInt16(RectWidth(screens) + (GetPref(gThePreferences, kPrefKeepScrollBar) ? 0 : kScrollBarStrip));
        const SInt16 height = RectHeight(screens);
        SetWindowFrameless(myScrollWindow, true);
        SizeWindow(myScrollWindow, width, height, true);
        MoveWindow(myScrollWindow, screens.left, screens.top, false);
        gInhibitBoundChanged = false;
        gIsFullScreen = true;
        NewScrollWindowSize(width, height);
    }
    if (mainAmong && hideMenuBar) {
        MyHideMenuBar();
        const Rect content = GetScrollWindowContent();
        GrafPtr saved;
        GetPort(&saved);
        SetPort(GetWindowPort(myScrollWindow));
        EraseRect(&content);
        SetPort(saved);
        InvalWindowRect(myScrollWindow, &content);
        gWaitingForUpdate = true;
        // Drawing is immediate: the text goes back at once rather than at the update that follows.
        UpdateScrollWindow();
    } else {
        MyShowMenuBar();
    }
    return SelectHideOtherWindow(front);
}

SInt16 SetScrollWindowToNormal() {
    if (!myScrollWindow) return 0;
    WindowPtr front = FrontNonFloatingWindow();
    if (GetPref(gThePreferences, kPrefFullScreen) && GetPref(gThePreferences, kPrefSeparateEditWindow)) {
        SetScrollWindowToFullScreen(false);
    } else {
        gUpdateWindowBounds = 90;
        SetWindowFrameless(myScrollWindow, false);
        // The menu bar is part of the window's frame: it is back before the window is placed.
        MyShowMenuBar();
        const Rect place = GetWindowPlace(gPositionPreferences, kPlacePrompter);
        if (!EmptyRect(&place)) PlaceWindowInsideScreens(myScrollWindow, place);
        if (!gQuitting) {
            const Rect content = GetScrollWindowContent();
            NewScrollWindowSize(RectWidth(content), RectHeight(content));
        }
        gIsFullScreen = false;
    }
    return SelectHideOtherWindow(front);
}
