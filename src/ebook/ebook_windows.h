// The window of the electronic-book format palette.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myFormatPalWindow;
extern GDHandle myFormatPalDevice;

// The item records of the tool windows built from item lists; null while closed.
struct MyDialogRec;
extern MyDialogRec* gFormatPalDialog;

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewFormatPalWindowSize(SInt16 width, SInt16 height);
void CloseFormatPalWindow(SInt16 alreadyGone);

// Opens the format palette (first: show the palette's introduction first when it is the run's first).
void OpenFormatPalWindow(SInt16 first);

// ---- Typed keys for a window whose edit field holds the keyboard focus ----
#include "foundation/window_references.h"
#include "platform/events.h"
void KeyInFormatPalWindow(const EventRecord& event, WindowReference reference, MyDialogRec* dialog,
                          const PlatformEvent& key);
