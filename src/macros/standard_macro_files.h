// The standard macro files in the user's macro folder, kept as current as the program's built-in copies.
#pragma once

#include "platform/types.h"

enum : SInt16 { kStandardMacroNames = 305, kFirstBuiltInMacro = 127 };

// Makes sure the standard macro file of the ID (its name is item ID of string list 305) is in the macro
// folder: written from the built-in copy ('Mcro' 127 + ID) when missing, unreadable, or older than the
// built-in copy. Does nothing without a built-in copy, a name or a macro folder; a file that cannot be
// written is left as it was.
void VerifyFileAExists(SInt16 macroID);
