// Turning a typed word into its index in a list of keywords: command names, font menu items, effect
// keywords and the value lists of string lists 997 to 1053 (1001 holds the colour names).
#pragma once

#include "platform/types.h"

enum : SInt16 {
    kMatchClosest = 0,
    kMatchExact = 1, // case-insensitive
    kMatchClosestSameLetters = 2,
    kMatchExactLettersDigits = 3,
    kMatchHalfTheLetters = 4,
};
constexpr UInt16 kWholeList = 0xFFFF;
constexpr SInt16 kColorNameList = 1001;

// The index (from 0) of the entry of list `kind` that the word matches between from and to, or -1; an
// empty word gives 0. from = kWholeList means 0; to = kWholeList means the list's count.
SInt16 matchdict(SInt16 kind, UInt16 from, UInt16 to, const char* word, SInt16 mode);

// One-time set-up of the keyword look-up at start-up.
void InitializeDictionary();
