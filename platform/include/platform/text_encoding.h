// Mac Roman, the encoding of all stored text, and its conversion to and from Unicode. One table serves
// every direction; a character Mac Roman cannot hold becomes '?'. 0xDB is the euro sign.
#pragma once

#include "platform/types.h"

#include <string>
#include <string_view>

char16_t MacRomanToUnicode(UInt8 c);
// '?' when the character has no Mac Roman form.
UInt8 UnicodeToMacRoman(char32_t c);
// Like UnicodeToMacRoman, but tells whether the character has a Mac Roman form.
bool UnicodeToMacRomanExact(char32_t c, UInt8* out);

std::string MacRomanToUtf8(std::string_view macRoman);
std::u16string MacRomanToUtf16(std::string_view macRoman);
// Invalid UTF-8 sequences become '?', one per bad byte. *unheld, when given, counts the '?' that stand for
// something else (bad bytes and characters Mac Roman cannot hold).
std::string Utf8ToMacRoman(std::string_view utf8, size_t* unheld = nullptr);
// Unpaired surrogates become '?'; *unheld as for Utf8ToMacRoman.
std::string Utf16ToMacRoman(std::u16string_view utf16, size_t* unheld = nullptr);
// Whether every character of the UTF-8 text has a Mac Roman form (and the text is valid UTF-8).
bool Utf8FitsMacRoman(std::string_view utf8);
