// A message with a text or a number, shown in the macro language's message dialog.
#pragma once

#include "platform/types.h"

// The second line is secondText, or the number when secondText is null. Returns the dialog's answer.
SInt16 DoMacroMessage(const char* text, SInt32 length, const char* secondText, SInt32 secondLength,
                      SInt32 number);
