// The drag events of a window's widget, turned into the program's drag events. Private to platform/src/qt.
#pragma once

#include "platform/events.h"

class QDropEvent;

// Enter, move and drop events: the window's handlers say whether it takes the drag there.
void TranslateDragEvent(WindowPtr window, QDropEvent& event, EventKind kind);
void TranslateDragLeave(WindowPtr window);
