// The parts of a scroll bar as a click or tracking names them, and the bar's width: one set for the
// program's own bars (prompter, text windows, tool windows) and the dialogs' scroll bar items.
#pragma once

#include "platform/types.h"

enum : SInt16 {
    kScrollUpPart = 20,
    kScrollDownPart = 21,
    kScrollPageUpPart = 22,
    kScrollPageDownPart = 23,
    kScrollThumbPart = 129
};

// A vertical bar's width, and the height of its arrows and thumb.
constexpr SInt16 kScrollBarWidth = 15;
