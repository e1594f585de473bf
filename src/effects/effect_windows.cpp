// Definitions of the window globals of this subsystem.
#include "effects/effect_windows.h"

WindowPtr mySpirographWindow = nullptr;
GDHandle mySpirographDevice = nullptr;
WindowPtr myOverlayWindow = nullptr;
GDHandle myOverlayDevice = nullptr;
MyDialogRec* gSpirographDialog = nullptr;
MyDialogRec* gOverlayDialog = nullptr;
