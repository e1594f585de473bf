// The mouse wheel: over a scrolling prompter it changes the speed (when the preferences say so),
// elsewhere it scrolls the view of the window it turns over.
#pragma once

#include "platform/events.h"

// Handler procedures for the wheel, made once. Windows install the first with their window reference
// as user data; the key-equivalents window installs the second.
EventHandlerProc GetMouseWheelHandler();
EventHandlerProc GetKeyEquivMouseWheelHandler();

OSStatus MouseWheelHandler(const PlatformEvent& event, void* windowReference);
OSStatus KeyEquivMouseWheelHandler(const PlatformEvent& event, void* userData);

// Whether a slowing step reached the slowest pace, where the wheel turns the direction round instead:
// a rate of 1 or less, or in the finish-time mode (2) a time above 32766.
bool WheelSlowedToItsLimit(SInt32 slowerResult, SInt16 pacingMode);

// Window references whose views the wheel scrolls.
bool WheelScrollsWindow(SInt16 windowReference);
