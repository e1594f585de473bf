// Operations of the electronic book's format palette that the other subsystems call.
#pragma once

#include "platform/types.h"

// Brings the format palette's colour menus into line with the colour list; nothing while it is closed.
void CheckColorsInFormatPal();
// Steps the format palette field an up/down button belongs to (press and repeat) or applies it (release).
void StepFormatPalField(SInt16 item, SInt16 phase);
