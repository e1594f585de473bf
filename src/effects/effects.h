// State and operations of the visual effects that the other subsystems use.
#pragma once

#include "platform/geometry.h"

// The standard colour index that star pictures recolour (-1 none) and the colour it becomes: a standard
// index up to 999, or a program colour number plus 1000 above that.
extern SInt16 gRemapIndex;
extern SInt16 gRemapColor;

// The mandala editor's colour-list hook.
void CheckColorsInSpirographWin();
