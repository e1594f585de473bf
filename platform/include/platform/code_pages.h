// Single-byte code pages of other systems' documents: what character a byte stands for.
#pragma once

#include "platform/types.h"

inline constexpr int kCodePageWindowsLatin = 1252;
inline constexpr int kCodePageMacRoman = 10000;

// The character a byte of the code page stands for; U+FFFD when the code page does not give it one (an
// unknown code page, an unassigned byte, or a lead byte of a multibyte code page). Bytes below 128 are
// ASCII in every code page.
char32_t CodePageCharacter(int codePage, UInt8 byte);
