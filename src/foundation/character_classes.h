// The character class table ('Vowl' 128) that defines words, syllables and sentence ends in Mac Roman text,
// and the small character predicates built on it.
#pragma once

#include "platform/types.h"

// One byte per Mac Roman code.
enum : UInt8 {
    kClassVowel = 0x80,
    kClassLetter = 0x40,
    kClassCapital = 0x20,
    kClassWhiteSpace = 0x10,
    kClassSpokenAlone = 0x08, // ends the word it follows and forms a word of its own
    kClassSyllableMask = 0x07 // syllables the character adds when it is spoken on its own
};
inline constexpr Size kCharacterClassCount = 256;

// The loaded table, kept for the life of the program; null until the first count loads it, and while it
// is null the predicates use fixed Mac Roman sets that know nothing of white space or spoken characters.
extern Handle thevowelarray;

// Loads 'Vowl' 128 when it is not loaded yet; false when it cannot be (the fixed sets stay in use).
bool LoadCharacterClasses();
// The table the predicates read: the loaded one, or the fixed sets.
const UInt8* CharacterClasses();
bool CharacterClassesLoaded();

// Predicates on one byte; non-zero for true.
SInt16 IsAlpha(UInt8 c);
SInt16 IsCapital(UInt8 c);
SInt16 IsVowel(UInt8 c);
SInt16 IsWhiteSpace(UInt8 c);
SInt16 IsConsonant(UInt8 c);
SInt16 IsPartOfWord(UInt8 c);
SInt16 IsAlphaorNumber(UInt8 c);
SInt16 IsPunctuation(UInt8 c);
SInt16 IsNumber(UInt8 c);
SInt16 IsNumberCharacter(UInt8 c);
SInt16 AddSyllablesUnconditional(UInt8 c);
SInt16 AddSyllablesConditional(UInt8 c);

// Predicates on a byte with its neighbours; a missing neighbour is 0.
SInt16 IsEmbeddedDash(UInt8 c, UInt8 previous, UInt8 next);
SInt16 IsEmbeddedPeriod(UInt8 c, UInt8 previous, UInt8 next);
// Non-zero when c is spoken as a word of its own after a word whose last letter (or digit) was
// lastWordLetter.
SInt16 CountAllSyllables(UInt8 c, UInt8 lastWordLetter, UInt8 next);
SInt16 IsSentenceTerminator(UInt8 previous, UInt8 c, UInt8 next);
