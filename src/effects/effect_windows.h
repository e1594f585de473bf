// The editors of the visual effects.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr mySpirographWindow;
extern GDHandle mySpirographDevice;
extern WindowPtr myOverlayWindow;
extern GDHandle myOverlayDevice;
