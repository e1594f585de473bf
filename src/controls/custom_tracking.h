// Helpers the custom controls' trackers share: waiting on the program's clock while the button is held,
// showing what was drawn, and telling an observer of each action.
#pragma once

#include "foundation/popup_items.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/types.h"

// Waits `ticks` (at least one) on the program's clock; answers whether the button is still down. Returns
// early when it comes up.
bool WaitWhileDown(UInt32 ticks);
void FlushCurrentPort();
void NotifyCustomControlAction(SInt32 code, SInt16 phaseOrStep, SInt32 position, double value);
// Gives a tool window a slider's new position and the value it stands for.
void ApplyToolWindowSlider(WindowReference window, SInt16 item, SInt32 position, double value,
                           SInt16 arrowStep);

// Sets the flag that keeps the timer off the screen for as long as a tracker runs.
class TrackingGuard {
  public:
    TrackingGuard() { gDontInterruptPopup = true; }
    ~TrackingGuard() { gDontInterruptPopup = false; }
    TrackingGuard(const TrackingGuard&) = delete;
    TrackingGuard& operator=(const TrackingGuard&) = delete;
};

// Where the mouse is now, local to the current port.
inline Point Mouse() {
    Point mouse;
    GetMouse(&mouse);
    return mouse;
}
