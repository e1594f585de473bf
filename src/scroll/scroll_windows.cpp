// Definitions of the window globals of this subsystem.
#include "scroll/scroll_windows.h"

WindowPtr myScrollWindow = nullptr;
GDHandle myScrollDevice = nullptr;
WindowPtr myEditWindow = nullptr;
GDHandle myEditDevice = nullptr;
WindowPtr myBookmarkWindow = nullptr;
GDHandle myBookmarkDevice = nullptr;
WindowPtr myNonverbalWindow = nullptr;
GDHandle myNonverbalDevice = nullptr;
WindowPtr myToolbarWindow = nullptr;
GDHandle myToolbarDevice = nullptr;
WindowPtr myScrollMonitorWindow = nullptr;
GDHandle myScrollMonitorDevice = nullptr;
