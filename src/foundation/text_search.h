// Searching, breaking and comparing runs of Mac Roman bytes given as a pointer and a length. Indexes are
// 16-bit; a search that finds nothing answers the length unless it says otherwise.
#pragma once

#include "platform/types.h"

UInt16 findspace(const void* text, UInt16 length, bool commaToo);
UInt16 findnospace(const void* text, UInt16 length, bool commaToo);
// The last byte that is not a space; 0xFFFF when there is none.
UInt16 findnospaceback(const void* text, UInt16 length);
UInt16 findthis(const void* text, UInt8 c, UInt16 length);
// The first c that is not part of a doubled pair cc (a pair is skipped whole); notFound when none.
UInt16 findthisbutnotdouble(const void* text, UInt8 c, UInt16 length, UInt16 notFound);
// Control characters, space, '!' and the punctuation after which a line may break.
bool IsBreakingChar(UInt8 c);
UInt16 findbreakingspace(const void* text, UInt16 length);
// 0 when the text fits in max bytes; else the longest prefix of at most max bytes that ends just after a
// breaking character, or max when there is none.
UInt16 BreakLine(const void* text, UInt16 length, UInt16 max);
// 1 when the text reads as a number: an optional leading '-', '+' or '.', then a digit, and no '/', ':'
// or '-' anywhere after it (so dates, times and ranges are not numbers).
SInt16 appearstobeanumber(const char* text);
// Whether a buffer read from a file holds UTF-16 text: a byte-order mark or a zero byte.
SInt16 LooksLikeUTF16(const void* buffer, SInt32 length);

// -1, 0 or 1 as a is smaller, equal or greater: unsigned bytes over the shorter length, then the lengths.
SInt16 CompareASCII(const void* a, const void* b, SInt32 lengthA, SInt32 lengthB);
// The same with both sides in lower case.
SInt16 MyCompareText(const void* a, const void* b, SInt32 lengthA, SInt32 lengthB);
