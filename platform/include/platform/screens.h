// Display modes of a screen and switching between them, word of screens coming and going, and a fake
// screen list for tests. The screen list itself is in windows.h.
#pragma once

#include "platform/types.h"
#include "platform/windows.h"

#include <vector>

// Option bits of a mode.
enum : SInt32 { kModeSafe = 1, kModeInterlaced = 2, kModeStretched = 4, kModeTelevision = 8 };

struct DisplayMode {
    SInt32 width = 0, height = 0, bitsPerPixel = 0, refreshRate = 0, options = 0;
    bool operator==(const DisplayMode&) const = default;
};

// The modes the screen offers, in the display server's order; empty when its modes cannot be read (no
// XRandR on the display, or a platform without display modes).
std::vector<DisplayMode> GetDisplayModes(GDHandle device);
// False when the screen's present mode cannot be read.
bool GetCurrentDisplayMode(GDHandle device, DisplayMode* mode);
// Switches the screen to one of its listed modes; false when the server refuses or cannot switch. Every
// mode switched here is put back when the program ends, however it was left.
bool SetDisplayMode(GDHandle device, const DisplayMode& mode);
// Puts every switched screen back to the mode it had before its first switch.
void RestoreDisplayModes();

// Called on the event loop after a screen was added or removed or changed its geometry.
using ScreensChangedProc = void (*)();
void SetScreensChangedProc(ScreensChangedProc proc);

// ---- Testing support ----
// Replaces the real screens by fake ones with these bounds, the first being the main screen; each has the
// given modes with the first current. A device handle stays valid after its screen is removed.
// available, when given, holds each screen's usable area (panels left out); else the whole screen is usable.
void UseFakeScreens(const std::vector<Rect>& bounds, const std::vector<DisplayMode>& modes,
                    const std::vector<Rect>& available = {});
// Takes fake screen index (from 0) away, as unplugging a monitor does, and reports the change.
void RemoveFakeScreen(int index);
// Back to the real screens (and the window manager's own frames).
void EndFakeScreens();
// Every framed window gets a frame of these thicknesses (top, left, bottom, right), as a window manager
// would draw it, until EndFakeScreens. With fake screens and no call, frames are none.
void UseFakeWindowFrames(const Rect& margins);
// How many display mode switches have been made (fake or real), to see that nothing switched.
int CountDisplayModeSwitches();
