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

// The lists matchdict searches besides the string-list value lists (997-1020, 1022-1041, 1044-1053).
enum : SInt16 {
    kDictCommandNames = 0,
    kDictVariableNames = 1,
    kDictByteNames = 2,
    kDictASCIINames = 3,
    kDictLabelNames = 4,
    kDictCommandShortNames = 5,
    kDictFontMenu = 6,
    kDictGlobalWord = 7,
    kDictSpiroKeywords = 8,
    kDictSpiroShortKeywords = 9,
    kDictOverlayKeywords = 10,
    kDictOverlayShortKeywords = 11,
};

// The index (from 0) of the entry of list `kind` that the word matches between from and to, or -1; an
// empty word gives 0. from = kWholeList means 0; to = kWholeList means the list's count.
SInt16 matchdict(SInt16 kind, UInt16 from, UInt16 to, const char* word, SInt16 mode);

// One-time set-up of the keyword look-up at start-up.
void InitializeDictionary();
// The one entry of list 7 (at most 255 bytes are kept).
void SetGlobalWord(const void* text, SInt32 length);
// 1 when the strings are equal ignoring case up to a NUL or LF and end on the same one; else 0.
SInt16 CmpStr(const char* a, const char* b);
// 1 when the letters and digits of the strings are equal ignoring case (everything else skipped) and at
// least one was compared; else 0.
SInt16 CmpAlphaStr(const char* a, const char* b);
// Unlocks the table a look-up in the list locked.
void MatchCleanup(SInt16 kind);

// A font family number for the name: the installed family, else the Font menu item the name loosely
// names, else (with fallback) Times; -1 for none.
SInt16 FindFontFamilyByName(ConstStr255Param name, bool fallback);
// The Font menu item (from 1) whose text is the family's name, or -1.
SInt16 FindFontMenuIDByFamilyID(SInt16 family);
