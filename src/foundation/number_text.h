// Numbers to text and back: tenths, integers, decimal fractions, 16.16 fixed point, doubles and the
// hexadecimal digits of colours. Length-prefixed results never pass 255 bytes; C-string results never
// pass the capacity the caller gives (NUL included).
#pragma once

#include "platform/types.h"

#include <string_view>

// value in tenths: 1234 gives "123.4", -5 gives "-0.5". pad has no visible effect.
StringPtr d_to_a(SInt32 value, SInt16 pad, StringPtr out);
char* d_to_s(SInt32 value, SInt16 pad, char* out, size_t capacity);
// whole, ".", then the fraction's digits padded with leading zeros to `places` (or cut to `places`).
StringPtr div_to_a(SInt32 whole, SInt32 fraction, SInt16 places, StringPtr out);
// Three decimals ("3.000"); with trim the trailing zeros and a bare "." go ("2.5", "3"). Values between
// -1 and 0 keep their sign.
StringPtr DoubleToNum(double value, StringPtr out, bool trim);
// A positive integer rounded half up to n significant digits.
SInt32 RoundToNPlaces(SInt32 value, SInt16 n);
// "1.5", "-2.0": at most five decimals, rounded to `places` significant digits of the fraction.
StringPtr FixedToString(Fixed value, StringPtr out, SInt16 places);
// Parses "-1.5" into 16.16 fixed point; stores it through result and returns it.
Fixed FixedToNum(ConstStringPtr text, Fixed* result);
// Appends one lower-case hexadecimal digit; values outside 0-15 append "0".
void AddHexToString(SInt16 n, StringPtr string);
// The value of one hexadecimal digit of either case; 0 for anything else.
SInt16 GetHexValue(UInt8 c);
// The decimal digits at the start of the text; 0x7FFFFFFF when more digits follow a value above
// 107374182. 0 for a null text.
SInt32 TextToWholeNumber(const char* text);
// An optional sign, digits and at most one '.', read no further than length.
double TextToRealNumber(const char* text, SInt32 length);
// A 16-bit colour component from two hexadecimal digits: the byte they spell, widened so that "FF" is
// full intensity (0xFFFF) and "80" is 0x8080.
UInt16 HexToColor(const char* text);
// An optional sign, then digits up to the first other character, kept to 32 bits (wrapping).
SInt32 StringToNum(std::string_view text);
