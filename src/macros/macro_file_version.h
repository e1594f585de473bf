// The version of compiled macro data, as the standard macro files are checked against the built-in ones.
#pragma once

#include "platform/types.h"

// The version word of compiled macro data held in a handle (fileRef -1); 0 when the data is no macro.
SInt32 GetMacroFileVersion(SInt16 fileRef, Handle data);
