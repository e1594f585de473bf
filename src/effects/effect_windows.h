// The editors of the visual effects.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr mySpirographWindow;
extern GDHandle mySpirographDevice;
extern WindowPtr myOverlayWindow;
extern GDHandle myOverlayDevice;

// The item records of the tool windows built from item lists; null while closed.
struct MyDialogRec;
extern MyDialogRec* gSpirographDialog;
extern MyDialogRec* gOverlayDialog;

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewSpirographWindowSize(SInt16 width, SInt16 height);
void NewOverlayWindowSize(SInt16 width, SInt16 height);
void CloseSpirographWindow(SInt16 alreadyGone);
void CloseOverlayWindow(SInt16 alreadyGone);

// The overlay and mandala editors, opened from the Windows menu.
void OpenOverlayWindow();
void OpenSpirographWindow();

// ---- Typed keys for a window whose edit field holds the keyboard focus ----
#include "foundation/window_references.h"
#include "platform/events.h"
void KeyInSpirographWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                           const PlatformEvent& key);
void KeyInOverlayWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                        const PlatformEvent& key);
