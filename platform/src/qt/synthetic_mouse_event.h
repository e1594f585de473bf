// A mouse event posted by the program: the toolkit's event plus what it cannot carry (the click count
// asked for, alpha lock). Private to platform/src/qt.
#pragma once

#include "platform/types.h"

#include <QMouseEvent>

class SyntheticMouseEvent : public QMouseEvent {
  public:
    using QMouseEvent::QMouseEvent;
    SInt16 clickCount = 1; // 0: count as real clicks are counted
    bool alphaLock = false;
};
