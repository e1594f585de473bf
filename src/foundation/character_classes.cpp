// The character class table and its predicates. Until 'Vowl' 128 is loaded, fixed Mac Roman sets of
// letters, capitals and vowels stand in for it.
#include "foundation/character_classes.h"

#include "foundation/checked_wrappers.h"

#include <array>

Handle thevowelarray = nullptr;

namespace {

struct ByteRange {
    int first;
    int last;
};

template <size_t N>
constexpr void Mark(std::array<UInt8, 256>& table, const ByteRange (&ranges)[N], UInt8 bit) {
    for (const ByteRange& r : ranges)
        for (int c = r.first; c <= r.last; ++c)
            table[size_t(c)] |= bit;
}

// The fallback sets know letters, capitals and vowels only. Accented capitals and vowels are taken from
// the character set itself: è (143) is not a capital and the increment sign (198) is not a vowel.
constexpr std::array<UInt8, 256> MakeFallbackClasses() {
    std::array<UInt8, 256> table{};
    const ByteRange letters[] = {{'A', 'Z'}, {'a', 'z'}, {128, 159}, {174, 175}, {190, 191},
                                 {203, 207}, {216, 217}, {229, 239}, {241, 245}};
    const ByteRange capitals[] = {{'A', 'Z'}, {128, 134}, {174, 175}, {203, 206},
                                  {217, 217}, {229, 239}, {241, 244}};
    const ByteRange vowels[] = {{'a', 'a'}, {'e', 'e'}, {'i', 'i'}, {'o', 'o'}, {'u', 'u'}, {'y', 'y'},
                                {'A', 'A'}, {'E', 'E'}, {'I', 'I'}, {'O', 'O'}, {'U', 'U'}, {128, 129},
                                {131, 131}, {133, 140}, {142, 149}, {151, 159}, {174, 175}, {190, 191},
                                {203, 207}, {229, 239}, {241, 244}};
    Mark(table, letters, kClassLetter);
    Mark(table, capitals, kClassCapital);
    Mark(table, vowels, kClassVowel);
    return table;
}

constexpr std::array<UInt8, 256> kFallbackClasses = MakeFallbackClasses();

inline UInt8 ClassOf(UInt8 c) {
    return CharacterClasses()[c];
}

} // namespace

bool LoadCharacterClasses() {
    if (thevowelarray) return true;
    Handle table = MyGetResource(FourCC("Vowl"), 128, 0);
    if (!table) return false;
    if (GetHandleSize(table) < Size(kCharacterClassCount)) {
        MyReleaseResource(table, ORVALIS_HERE);
        return false;
    }
    // Ours from now on, so that closing the resource file does not take it away.
    DetachResource(table);
    thevowelarray = table;
    return true;
}

const UInt8* CharacterClasses() {
    return thevowelarray ? reinterpret_cast<const UInt8*>(*thevowelarray) : kFallbackClasses.data();
}

bool CharacterClassesLoaded() {
    return thevowelarray != nullptr;
}

SInt16 IsAlpha(UInt8 c) {
    return (ClassOf(c) & kClassLetter) != 0;
}

SInt16 IsCapital(UInt8 c) {
    return (ClassOf(c) & kClassCapital) != 0;
}

SInt16 IsVowel(UInt8 c) {
    return (ClassOf(c) & kClassVowel) != 0;
}

SInt16 IsWhiteSpace(UInt8 c) {
    return (ClassOf(c) & kClassWhiteSpace) != 0;
}

SInt16 IsConsonant(UInt8 c) {
    return IsAlpha(c) && !IsVowel(c);
}

SInt16 IsNumber(UInt8 c) {
    return c >= '0' && c <= '9';
}

SInt16 IsPartOfWord(UInt8 c) {
    return IsAlpha(c) || IsNumber(c);
}

SInt16 IsAlphaorNumber(UInt8 c) {
    return IsAlpha(c) || IsNumber(c);
}

SInt16 IsPunctuation(UInt8 c) {
    return !IsAlpha(c) && !IsNumber(c) && !IsWhiteSpace(c);
}

SInt16 IsNumberCharacter(UInt8 c) {
    return IsNumber(c) || c == '-' || c == '+' || c == '.';
}

SInt16 AddSyllablesUnconditional(UInt8 c) {
    if (!thevowelarray) return 1;
    return ClassOf(c) & kClassSyllableMask;
}

SInt16 AddSyllablesConditional(UInt8 c) {
    if (!thevowelarray) return 1;
    const UInt8 bits = ClassOf(c);
    return (bits & kClassSpokenAlone) ? (bits & kClassSyllableMask) : 0;
}

SInt16 IsEmbeddedDash(UInt8 c, UInt8 previous, UInt8 next) {
    return c == '-' && IsAlpha(previous) && IsAlpha(next);
}

SInt16 IsEmbeddedPeriod(UInt8 c, UInt8 previous, UInt8 next) {
    if (c != '.') return 0;
    if (IsNumber(previous) || IsNumber(next)) return 1;
    return IsAlpha(next) && (IsAlpha(previous) || IsWhiteSpace(previous));
}

SInt16 CountAllSyllables(UInt8 c, UInt8 lastWordLetter, UInt8 next) {
    if (!thevowelarray) return 0;
    if ((c == '-' || c == '/') && IsAlpha(lastWordLetter)) return 0;
    if (c == '.' && (IsNumber(next) || IsAlpha(next))) return kClassSpokenAlone;
    return ClassOf(c) & kClassSpokenAlone;
}

SInt16 IsSentenceTerminator(UInt8 previous, UInt8 c, UInt8 next) {
    if (c == 13 || c == 10) return 1;
    if (c != '.' && c != '!' && c != '?') return 0;
    if (!thevowelarray) return 0;
    return !IsWhiteSpace(previous) && IsWhiteSpace(next);
}
