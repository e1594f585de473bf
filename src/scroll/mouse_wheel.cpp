// Mouse-wheel handlers for the prompter's speed and for scrolling the windows' views.
#include "scroll/mouse_wheel.h"

#include "foundation/foundation_prefs.h"
#include "foundation/scroll_bar_parts.h"
#include "macros/key_equivalents.h"
#include "scroll/scroll_engine.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"

#include <cstdint>

namespace {

constexpr SInt16 kFinishTimeMode = 2;
constexpr SInt16 kVerticalAxis = 0;

} // namespace

EventHandlerProc GetMouseWheelHandler() {
    return MouseWheelHandler;
}
EventHandlerProc GetKeyEquivMouseWheelHandler() {
    return KeyEquivMouseWheelHandler;
}

bool WheelSlowedToItsLimit(SInt32 slowerResult, SInt16 pacingMode) {
    return pacingMode == kFinishTimeMode ? slowerResult > 32766 : slowerResult <= 1;
}

bool WheelScrollsWindow(SInt16 windowReference) {
    switch (windowReference) {
    case 1:  // prompter
    case 2:  // edit window
    case 4:  // bookmark list
    case 8:  // macro editor
    case 9:  // functions list
    case 11: // spelling list of find and replace
    case 13: // help
    case 16: // text merge list
    case 24: // mandala list
    case 27: // hypertext list
        return true;
    default:
        return false;
    }
}

OSStatus MouseWheelHandler(const PlatformEvent& event, void* windowReference) {
    // Installed for every event of its window; only the wheel counts as input here.
    if (event.kind != EventKind::MouseWheel) return eventNotHandledErr;
    gNothingHappened = 0;
    const SInt32 delta = event.wheelDelta;
    if (GetFoundationPref(FoundationPref::WheelChangesSpeed) && gScrollOn) {
        const SInt32 direction = GetFoundationPref(FoundationPref::ScrollDirection);
        const bool towardDirection = (delta >= 0 && direction > 0) || (delta <= 0 && direction <= 0);
        if (towardDirection) {
            DoScrollFaster();
        } else if (WheelSlowedToItsLimit(DoScrollSlower(),
                                         SInt16(GetFoundationPref(FoundationPref::PacingMode)))) {
            SetScrollAmount(gWantScrollAmount, direction == -1 ? 1 : -1);
            UpdateInfoRect(SInt16(GetFoundationPref(FoundationPref::ShowInformation)),
                           SInt16(GetFoundationPref(FoundationPref::InfoShowsTimes)), 0);
        }
        // The other handlers still see the wheel.
        return eventNotHandledErr;
    }
    if (event.wheelAxis != kVerticalAxis) return eventNotHandledErr;
    const auto reference = SInt16(reinterpret_cast<std::intptr_t>(windowReference));
    if (WheelScrollsWindow(reference))
        MyLiveScrollProc(reference, delta > 0 ? kScrollUpPart : kScrollDownPart);
    return noErr;
}

OSStatus KeyEquivMouseWheelHandler(const PlatformEvent& event, void*) {
    // Installed for every event of its window; only the wheel counts as input here.
    if (event.kind != EventKind::MouseWheel) return eventNotHandledErr;
    gNothingHappened = 0;
    SetKeyEquivOffsets(event.wheelAxis, event.wheelDelta * gKeyEquivScrollDir);
    DrawKeyEquivWindow(nullptr, false);
    return noErr;
}
