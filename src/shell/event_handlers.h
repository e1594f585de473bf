// The program's two event handlers: the application's (commands, keys, mouse movement, activation) and the
// one every window installs (drawing, clicks, moves, closing, focus); and the drawing of each window.
#pragma once

#include "platform/events.h"
#include "platform/menus.h"

// The program is not the active application.
extern bool inBackground;
// The tool window whose edit field had the keyboard focus when the program was deactivated.
extern WindowPtr gFocusWindowWhenDeactivated;
// The functions window's search field owns the keys.
extern bool gFunctionsSearchHasFocus;
// The hypertext link last found under the mouse, -1 none.
extern SInt32 gLastPointAtHyper;

// Command IDs of the two commands the desktop names itself.
constexpr UInt32 kCommandPreferences = FourCC("pref");
constexpr UInt32 kCommandAbout = FourCC("abou");
constexpr UInt32 kCommandFromMenu = 0;

// Installs MyWindowEventHandler on a window the program opened.
void InstallWindowHandlers(WindowPtr window);
OSStatus MyAppEventHandler(const PlatformEvent& event, void* userData);
OSStatus MyWindowEventHandler(const PlatformEvent& event, void* userData);
// A menu command chosen: commandID names the desktop's own commands, else the menu and item say which.
OSStatus HandleCommandEvent(UInt32 commandID, MenuID menu, MenuItemIndex item);
// Draws the window's content.
void DoCarbonUpdate(WindowPtr window);
// Sets the cursor for the point (local to the window) and fires links the mouse points at.
void AdjustCursor(WindowPtr window, UInt16 modifiers, Point localPoint);
// Turns a suspend or resume record into an activate record of the front window, in place.
void DoApp4Event(EventRecord* event);
void DoKeyUp();
