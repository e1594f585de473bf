// Opening the prompter window where it was last, on a screen that still exists, and closing it.
#include "scroll/prompter_window.h"

#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "platform/screens.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/mouse_wheel.h"
#include "scroll/prompter_drawing.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"
#include "scroll/tab_ruler.h"
#include "shell/event_handlers.h"
#include "shell/window_frames.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstdint>

Rect GetScrollWindowContent() {
    Rect content{};
    if (myScrollWindow) GetPortBounds(GetWindowPort(myScrollWindow), &content);
    return content;
}

SInt16 GetMenuBarHeight() {
    const GDHandle main = GetMainDevice();
    return SInt16(GetAvailableBounds(main).top - GetDeviceBounds(main).top);
}

SInt16 GetMenuBarBottom() {
    const GDHandle main = GetMainDevice();
    const SInt16 usableTop = GetAvailableBounds(main).top;
    if (!myScrollWindow || GetMenuBarWindow() != myScrollWindow || !IsMenuBarVisible()) return usableTop;
    Rect content{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &content);
    if (GetMaxDevice(&content) != main) return usableTop;
    return std::max(usableTop, content.top);
}

SInt16 DefaultToolWindowTop(WindowPtr window) {
    return SInt16(GetMenuBarBottom() + GetWindowFrameMargins(window).top);
}

namespace {

// The place the prompter opens at when its stored place is empty or on no screen any more.
Rect DefaultPrompterPlace() {
    Rect r = GetDeviceBounds(GetMainDevice());
    r.left += 5;
    r.right -= 5;
    r.bottom -= 4;
    r.top += GetMenuBarHeight() + 22;
    return r;
}

} // namespace

void PlaceScrollVerticalScrollRect() {
    const Rect content = GetScrollWindowContent();
    ScrollVerticalScrollRect = content;
    ScrollVerticalScrollRect.left = SInt16(content.right - 15);
    ScrollVerticalScrollRect.right = SInt16(content.right + 1);
    ScrollVerticalScrollRect.bottom = SInt16(content.bottom - 15);
}

void OpenScrollWindow() {
    if (myScrollWindow) return;
    WindowPtr window = GetNewCWindow(kPrompterWindowID, nullptr, kFirstWindowOfClass);
    if (!window) return;
    SetWRefCon(window, kFirstWindowReference);
    Rect place = GetWindowPlace(gPositionPreferences, kPlacePrompter);
    if (EmptyRect(&place) || !IsRectWithinADeviceRect(&place)) {
        place = DefaultPrompterPlace();
        SetWindowPlace(gPositionPreferences, kPlacePrompter, place);
        gPositionPrefsChanged = true;
    }
    myScrollWindow = window;
    // The program's menu bar stands at the top of the prompter, above its content; the tool windows float
    // over it.
    SetMenuBarWindow(window);
    SetToolWindowOwner(window);
    const SInt16 lowestTop = SInt16(2 * GetMenuBarHeight());
    if (place.top < lowestTop && GetMaxDevice(&place) == GetMainDevice() &&
        GetPref(gThePreferences, kPrefSeparateEditWindow) == 0)
        OffsetRect(&place, 0, SInt16(lowestTop - place.top));
    // The whole window, title bar and menu bar included, opens inside the screen's usable area.
    const Rect fitted = PlaceWindowInsideScreens(window, place);
    if (!(fitted == place)) {
        place = fitted;
        SetWindowPlace(gPositionPreferences, kPlacePrompter, place);
        gPositionPrefsChanged = true;
    }
    myScrollDevice = GetMaxDevice(&place);
    myScrollWindowAlias = GetWindowPort(window);
    SetPort(myScrollWindowAlias);
    const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    RGBBackColor(&back);
    CreateScrollTextBox();
    PlaceScrollVerticalScrollRect();
    InstallWindowHandlers(window);
    SetScreensChangedProc(PrompterScreensChanged);
    InstallWindowEventHandler(window, GetMouseWheelHandler(),
                              reinterpret_cast<void*>(std::intptr_t(kFirstWindowReference)));
    ShowWindow(window);
}

void CloseScrollWindow() {
    // The picture, the cue icon and the tab ruler's markers are loaded again for the next prompter, from the
    // preferences it has.
    DisposeScrollPicture();
    DisposeCue();
    DisposeTabPics();
    if (ScrollWEHandle) WEDispose(ScrollWEHandle);
    ScrollWEHandle = nullptr;
    if (myScrollWindow && GetMenuBarWindow() == myScrollWindow) SetMenuBarWindow(nullptr);
    if (myScrollWindow && GetToolWindowOwner() == myScrollWindow) SetToolWindowOwner(nullptr);
    if (myScrollWindow) DisposeWindow(myScrollWindow);
    myScrollWindow = nullptr;
    myScrollWindowAlias = nullptr;
    myScrollDevice = nullptr;
}
