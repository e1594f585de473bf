// The program's cursors: loaded once and shown by number, -1 being the arrow.
#pragma once

#include "platform/types.h"

// The cursor number last set, -1 the arrow.
extern SInt16 cursorSet;

void LoadCursors();
// Shows cursor n (-1 the arrow); nothing when it already shows.
void SetThisCursor(SInt16 n);
