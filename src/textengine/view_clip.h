// The record's port made current and clipped to its view (and to an extra region), for everything that
// draws into the view: lines, hilites and the caret.
#pragma once

#include "textengine/engine_internal.h"

struct ViewClip {
    GrafPtr savedPort = nullptr;
    RgnHandle oldClip = nullptr;
    RgnHandle clip = nullptr;
};

// False when nothing of the view can be drawn; LeaveViewClip undoes it either way. The regions come from a
// small stack kept for the program's life, so the scroll tick allocates none.
bool EnterViewClip(const WERec& r, RgnHandle extra, ViewClip* v);
void LeaveViewClip(ViewClip* v);

// A long rect narrowed to the port's 16-bit coordinates.
Rect ToShortRect(const LongRect& r);
