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
