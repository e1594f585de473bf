// Blocks and handles of text between the engine's Mac Roman bytes and UTF-16 or UTF-8: for the draw and
// measure hooks that take UTF-16 with its unit count in front, and for text that arrives as Unicode.
#pragma once

#include "platform/types.h"

// With isUnicode, text already holds UTF-16 after a 16-bit slot: length goes into the slot and text comes
// back. Otherwise a new pointer block (the caller frees it) of the unit count and the UTF-16 of length
// Mac Roman bytes; null when it cannot be allocated.
UInt16* MyCreateUnicodeFromText(Boolean isUnicode, SInt32 length, void* text);
// A new pointer block of the Mac Roman form of byteLength bytes of UTF-16; *outLength gets its length.
// Null when the block cannot be allocated.
Ptr MyCreateTextFromUnicode(const UInt16* text, SInt32 byteLength, SInt32* outLength);
// New handles of the Mac Roman form of a UTF-16 (host order) or UTF-8 handle; a byte-order mark is dropped.
// Null when nothing converts or memory runs out.
Handle ChangeUTF16ToMacRoman(Handle utf16);
Handle ChangeUTF8ToMacRoman(Handle utf8);
