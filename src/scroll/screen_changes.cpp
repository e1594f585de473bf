// What follows a screen coming, going or changing its mode: windows left on no screen come back onto the
// main screen, and a full-screen prompter is laid over the screens it now touches, so that a monitor
// unplugged during a show never takes the prompter with it.
#include "scroll/screens.h"

#include "platform/geometry.h"
#include "platform/menus.h"
#include "scroll/display_modes.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"

#include <algorithm>

namespace {

constexpr SInt16 kComeBackInset = 20;

// Moves a window that lies on no screen to the main screen's usable area, as large as it fits; true when
// it moved.
bool BringOntoAScreen(WindowPtr window) {
    if (!window) return false;
    Rect global{};
    GetWindowBounds(window, kWindowContentRgn, &global);
    if (IsRectWithinADeviceRect(&global)) return false;
    const Rect screen = GetAvailableBounds(GetMainDevice());
    if (EmptyRect(&screen)) return false;
    const SInt16 width = SInt16(std::min(RectWidth(global), SInt16(RectWidth(screen) - 2 * kComeBackInset)));
    const SInt16 height =
        SInt16(std::min(RectHeight(global), SInt16(RectHeight(screen) - 2 * kComeBackInset)));
    SizeWindow(window, std::max<SInt16>(width, 1), std::max<SInt16>(height, 1), true);
    MoveWindow(window, SInt16(screen.left + kComeBackInset), SInt16(screen.top + kComeBackInset), false);
    return true;
}

} // namespace

void PrompterScreensChanged() {
    ForgetModeOfVanishedScreen();
    for (WindowPtr window :
         {myEditWindow, myToolbarWindow, myNonverbalWindow, myBookmarkWindow, myScrollMonitorWindow})
        BringOntoAScreen(window);
    if (!myScrollWindow) return;
    const Rect deviceBounds = GetDeviceBounds(myScrollDevice);
    const bool gone = EmptyRect(&deviceBounds);
    bool moved = false;
    if (gIsFullScreen && gone) {
        // A frameless window over a screen that is gone: put it on the main screen before covering that.
        const Rect screen = GetDeviceBounds(GetMainDevice());
        MoveWindow(myScrollWindow, screen.left, screen.top, false);
        moved = true;
    } else {
        moved = BringOntoAScreen(myScrollWindow);
    }
    Rect global{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &global);
    myScrollDevice = GetMaxDevice(&global);
    if (gIsFullScreen) {
        gIsFullScreen = false;
        SetScrollWindowToFullScreen(!IsMenuBarVisible());
    } else if (moved) {
        const Rect content = GetScrollWindowContent();
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
    }
}
