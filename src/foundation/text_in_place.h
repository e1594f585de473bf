// Changing Mac Roman text where it stands: case, unwanted characters, doubled characters and spaces.
#pragma once

#include "platform/types.h"

void MakeTextLower(void* text, SInt32 length);
// Keeps only the printable bytes 32 to 254 of a length-prefixed string.
void CleanStr(StringPtr string);
// Removes every c from a length-prefixed string.
void RemoveThisChar(StringPtr string, UInt8 c);
// Removes every c, moving the rest down; returns how many went (the caller shortens its length).
SInt32 RemoveThisCharFromPtr(void* text, SInt32 length, UInt8 c);
// Every pair cc becomes one c; returns how many were removed.
SInt32 MakeDoublesSingle(void* text, SInt32 length, UInt8 c);
// With a null length: removes every space from a length-prefixed string. With a length: the bytes of the
// buffer that are not spaces move to the front and the rest of the buffer is filled with spaces.
void RemoveSpaces(void* text, const SInt32* length);
// n spaces, then the text and a NUL, in one shared buffer that the next call overwrites; the text
// pointer itself when the result would pass 255 bytes.
const char* AddSpacesBefore(SInt16 n, const char* text, SInt16 length);
