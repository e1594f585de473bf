// Byte-order swapping of single values in place, done only when the flag says the value is in the other
// byte order; readers pass the result of their byte-order test straight through.
#pragma once

#include "platform/types.h"

void SwapShort(void* value, bool swap);
void SwapLong(void* value, bool swap);
void SwapFloat(void* value, bool swap);
void SwapDouble(void* value, bool swap);
// Reverses the order of the eight bits of one byte.
void SwapByte(void* value, bool swap);
