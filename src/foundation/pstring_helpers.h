// Copying and joining length-prefixed strings (at most 255 bytes of text) and the zero-terminated strings
// of the macro and import code. Sources come first, destinations second. No helper writes past 255 bytes
// of a length-prefixed string or past the capacity (NUL included) of a zero-terminated one.
#pragma once

#include "platform/types.h"

#include <cstddef>

// A null source gives an empty destination.
StringPtr CopyPstr(ConstStringPtr source, StringPtr destination);
// Appends what fits; when the sum passes 255 the error dialog says so and the destination keeps 255 bytes.
StringPtr CatPstr(ConstStringPtr source, StringPtr destination);
// At most 255 bytes; a null argument changes nothing.
StringPtr Copy2Pstr(const char* source, StringPtr destination);
// A null source gives an empty string.
char* Copy2Cstr(ConstStringPtr source, char* destination, size_t capacity);
StringPtr CatCtoPstr(const char* source, StringPtr destination);
// A null source changes nothing.
char* CatPtoCstr(ConstStringPtr source, char* destination, size_t capacity);
// The source in double quotes, adding only the quotes it does not already have.
StringPtr CopyPstrAddQuotes(ConstStringPtr source, StringPtr destination);
// Replaces oldLength bytes at the 0-based position by the replacement, moving the tail; what would pass
// 255 bytes is cut from the end. Returns the change of length modulo 256.
UInt8 ReplaceInPString(ConstStringPtr replacement, StringPtr target, SInt16 position, SInt16 oldLength);
// Replaces the first exact occurrence of the pattern; nothing when it is absent.
StringPtr FindReplaceInPString(ConstStringPtr replacement, StringPtr target, ConstStringPtr pattern);
// Copies the text with spaces inserted before its first colon until that colon stands at the 1-based
// column; a colon already at or past the column is copied as it is.
char* CopyColonAtPosition(const char* source, char* destination, SInt16 column, size_t capacity);
// Removes every non-digit, then cuts to maximum (unless it is -1); true when anything changed.
bool RemoveNonNumeric(StringPtr string, SInt16 maximum);
// Removes CR, LF and the escapes backslash-r and backslash-n.
void RemoveNewline(char* string);
// CR becomes a space, LF becomes CR, backslash-r two spaces, backslash-n a space and a CR; the length
// stays the same.
void NewlineToCR(char* string);
// From start, finds the opening delimiter, then copies what follows up to the closing delimiter (or the
// end) into destination, dropping a trailing backslash. A CR or LF delimiter also matches the escapes
// backslash-r and backslash-n. Returns the index where copying stopped.
SInt32 CopyTextFromTo(const char* source, char* destination, SInt32 start, char open, char close,
                      size_t capacity);
