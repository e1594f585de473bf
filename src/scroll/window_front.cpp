// Bringing the prompter or the edit window forward, hiding the other when the settings ask, and the
// window that covers every screen behind the prompter.
#include "scroll/window_settings.h"

#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "prefs/prefs_fields.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/event_handlers.h"
#include "shell/shell_globals.h"

namespace {

constexpr SInt16 kHideWindowID = 130;
constexpr SInt16 kHideWindowReference = 3;

// The rectangle every screen lies within.
Rect AllScreensRect() {
    Rect all{};
    bool first = true;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        if (first)
            all = bounds;
        else
            UnionRect(&all, &bounds, &all);
        first = false;
    }
    return all;
}

} // namespace

SInt16 SelectHideOtherWindow(WindowPtr window) {
    if (!window) return 0;
    // Another window in front of a closed edit window is simply brought forward; while the edit window is
    // open only the two of them take turns.
    if (window != myScrollWindow && window != myEditWindow && myEditWindow) return 0;
    ShowWindow(window);
    SelectWindow(window);
    SetPort(GetWindowPort(window));
    if (GetPref(gThePreferences, kPrefPrompterHidesEdit)) {
        if (window == myScrollWindow && myEditWindow)
            HideWindow(myEditWindow);
        else if (window == myEditWindow && myScrollWindow)
            HideWindow(myScrollWindow);
    }
    return 1;
}

void OpenHideBackgroundWindow() {
    if (myHideWindow) return;
    WindowPtr window = GetNewCWindow(kHideWindowID, nullptr, nullptr);
    if (!window) return;
    SetWRefCon(window, kHideWindowReference);
    const Rect all = AllScreensRect();
    SizeWindow(window, RectWidth(all), RectHeight(all), false);
    MoveWindow(window, all.left, all.top, false);
    myHideWindow = window;
    myHideDevice = GetMaxDevice(&all);
    SetHideBackgroundWindowColor();
    SendBehind(window, nullptr);
    InstallWindowHandlers(window);
    ShowWindow(window);
    SendBehind(window, nullptr);
}

void CloseHideBackgroundWindow() {
    if (!myHideWindow) return;
    DisposeWindow(myHideWindow);
    myHideWindow = nullptr;
    myHideDevice = nullptr;
}

void SetHideBackgroundWindowColor() {
    if (!myHideWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myHideWindow));
    const RGBColor back = GetPref(gThePreferences, kPrefHideBackgroundColor);
    RGBBackColor(&back);
    Rect content{};
    GetPortBounds(GetWindowPort(myHideWindow), &content);
    EraseRect(&content);
    QDFlushPortBuffer(GetWindowPort(myHideWindow), nullptr);
    SetPort(saved);
}
