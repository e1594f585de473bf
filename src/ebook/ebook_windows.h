// The window of the electronic-book format palette.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myFormatPalWindow;
extern GDHandle myFormatPalDevice;
