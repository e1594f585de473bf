// Finding a font family of this machine by its name, as documents and scripts name fonts.
#pragma once

#include "platform/types.h"

// The family the name stands for (case-insensitive), or -1 when this machine has none by that name; with
// fallback non-zero an unknown name gives the serif family instead.
SInt16 FindFontFamilyByName(ConstStr255Param name, SInt16 fallback);
