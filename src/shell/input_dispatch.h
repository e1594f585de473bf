// The keyboard and mouse dispatchers: a key or a click goes to the window it concerns.
#pragma once

#include "platform/events.h"

// A key pressed (or repeating); noErr when it was used.
OSStatus DoKeyDown(const PlatformEvent& event);
// A click in a window's content.
void DoMouseDown(const PlatformEvent& event);

// Which text an arrow key with shift last moved a selection in (1 prompter, 2 edit window, 8 macro editor;
// 0 none): the timer speaks that selection once shift is let go.
extern SInt16 gArrowKeysDuringShift;
// The character of the latest key pressed.
extern UInt16 gLastKeyPressed;
// When the latest click came, in ticks.
extern UInt32 geeMouseDownTime;
