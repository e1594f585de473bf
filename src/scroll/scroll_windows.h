// The prompter's windows and the tool windows of the scroll engine.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myScrollWindow;
extern GDHandle myScrollDevice;
extern WindowPtr myEditWindow;
extern GDHandle myEditDevice;
extern WindowPtr myBookmarkWindow;
extern GDHandle myBookmarkDevice;
extern WindowPtr myNonverbalWindow;
extern GDHandle myNonverbalDevice;
extern WindowPtr myToolbarWindow;
extern GDHandle myToolbarDevice;
extern WindowPtr myScrollMonitorWindow;
extern GDHandle myScrollMonitorDevice;

// Lay the window out for its new content size, and close it (alreadyGone 1: the window itself is gone
// already, only its contents are released).
void NewBookmarkWindowSize(SInt16 width, SInt16 height);
void NewToolbarWindowSize(SInt16 width, SInt16 height);
void NewScrollMonitorWindowSize(SInt16 width, SInt16 height);
