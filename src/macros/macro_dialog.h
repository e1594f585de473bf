// The macro language's modal message dialog.
#pragma once

#include "platform/types.h"

struct MacroRecord;

// Shows the message (kinds 0-3; 2 and 3 take typed text, starting from `text`); returns 1 for OK, 2 for
// Cancel or when the dialog could not be made.
SInt16 DoMacroDialog(SInt16 kind, ConstStr255Param message, StringPtr text, SInt32 timeoutSeconds,
                     MacroRecord* macro);
