// The windows of the media subsystem.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myMediaQueueWindow;
extern GDHandle myMediaQueueDevice;
extern WindowPtr myRecordWindow;
extern GDHandle myRecordDevice;
extern WindowPtr myCueLightWindow;
extern GDHandle myCueLightDevice;
