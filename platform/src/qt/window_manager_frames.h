// The window manager's frame around a window not shown yet. Private to platform/src/qt.
#pragma once

#include "platform/types.h"

#include <QMargins>

// Asks the running window manager what frame it will give the native window; false when there is no
// manager that answers (or no X11).
bool AskWindowManagerForFrame(UInt32 nativeWindow, QMargins* margins);
